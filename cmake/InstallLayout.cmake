# Where an installation puts the program, below any prefix:
#   lib/<multiarch>/parlow  the executable, the data library and the marker
#                           file saying it is an installed copy; private, so
#                           beside Debian's multiarch libraries rather than
#                           among them (no ldconfig needed)
#   share/parlow            the architecture-independent files each user's
#                           folder is made from: green/parlow.plg, help/,
#                           text/, images/
# The program finds the second from the first by the relative path below.
include(GNUInstallDirs)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(PARLOW_INSTALL_FOLDER lib/${CMAKE_LIBRARY_ARCHITECTURE}/parlow)
else()
  set(PARLOW_INSTALL_FOLDER lib/parlow)
endif()
set(PARLOW_DATA_FOLDER ${CMAKE_INSTALL_DATADIR}/parlow)
file(RELATIVE_PATH PARLOW_DATA_FROM_PROGRAM /${PARLOW_INSTALL_FOLDER} /${PARLOW_DATA_FOLDER})
