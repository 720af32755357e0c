# Read by cpack before it builds a package. The package installs into /usr, and its man pages name
# the examples under the prefix the build folder was configured with: a package from any other
# build folder would install into /usr/local, so it is refused.
if(NOT CPACK_REMISATOR_PRAEFIX STREQUAL "/usr" OR NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR
    "Das Debian-Paket installiert nach /usr, dieser Build-Ordner ist für ${CPACK_REMISATOR_PRAEFIX} "
    "eingerichtet. Das Paket entsteht mit: ./run.sh paket "
    "(oder cmake --preset paket && cmake --build --preset paket && cpack --preset paket).")
endif()
