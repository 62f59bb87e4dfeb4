vamire_add_test(link_encoders_test PURE
  SOURCES encoders_video_test.cpp encoders_vga_test.cpp encoders_dvi_test.cpp encoders_scene_test.cpp
  LIBS vamire_link_pure)
# From the send routines through the routing onto the device peer.
vamire_add_test(link_encoders_send_test DEVICE SOURCES encoders_send_test.cpp LIBS vamire_link)
