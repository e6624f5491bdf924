# find_package(talvorin): the converter as the imported command
# talvorin::talvorin, and talvorin_add_image() to convert images while a
# project builds.
include(${CMAKE_CURRENT_LIST_DIR}/talvorinTargets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/TalvorinAddImage.cmake)
