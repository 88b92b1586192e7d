# The archive packer runs on the build machine, so it is built with the native compiler
# as a separate project.
include(ExternalProject)
set(HOST_TOOLS_DIR "${CMAKE_BINARY_DIR}/host")
set(PACKER "${HOST_TOOLS_DIR}/bin/packer")
ExternalProject_Add(hosttools
  SOURCE_DIR "${CMAKE_SOURCE_DIR}/tools/packer"
  BINARY_DIR "${CMAKE_BINARY_DIR}/host-build"
  INSTALL_DIR "${HOST_TOOLS_DIR}"
  CMAKE_ARGS -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR> -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_TOOLCHAIN_FILE= -DCMAKE_C_COMPILER=cc -DCMAKE_CXX_COMPILER=c++
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS "${PACKER}"
  LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON LOG_OUTPUT_ON_FAILURE ON)
