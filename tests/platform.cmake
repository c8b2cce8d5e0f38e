# The platform layer's own rules, checked against the behaviours of other machines
# (Windows paths, floppy drives, USB sticks) through fake mount tables and sysfs trees.

quarnix_add_test(platform_pathrules SOURCES platform/tst_pathrules.cpp LIBS quarnix_platform_core)
quarnix_add_test(platform_volumes SOURCES platform/tst_volumes.cpp LIBS quarnix_test_core)
