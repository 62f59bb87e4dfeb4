# The channel selection window at the device peer, its linkage box on disk
# and its input names in the Chinese code page.
vamire_add_test(app_channel_select_test DEVICE SOURCES channel_select_test.cpp LIBS vamire_app)
