# Wall frames (pure), the serial-port component, the links and their routing.
vamire_add_test(link_wallframe_test PURE SOURCES wallframe_test.cpp LIBS vamire_link_pure)
vamire_add_test(link_comm_test DEVICE SOURCES comm_test.cpp comm_writers_test.cpp LIBS vamire_link)
# The 10,000-frame run is bound by one write per byte; a loaded machine needs time.
vamire_add_test(link_wall_test DEVICE TIMEOUT 900 SOURCES wall_test.cpp LIBS vamire_link)
vamire_add_test(link_routing_test DEVICE SOURCES routing_test.cpp LIBS vamire_link)
vamire_add_benchmark(link_frame_bench SOURCES frame_bench.cpp LIBS vamire_link vamire_test_support)
# The serial ports and the TCP client in form files; nothing is opened.
vamire_add_test(link_stream_test SOURCES stream_test.cpp LIBS vamire_link)
