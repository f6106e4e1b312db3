# The screenshot command and its library (Qt, offscreen); include this from tools/CMakeLists.txt.
if(QV_GUI)
  add_subdirectory(screenshot)
endif()
