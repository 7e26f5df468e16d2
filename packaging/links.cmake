# Run at install: the links bin/NAME -> ../lib/virano/NAME for each name of
# VIRANO_LINKS, so that a program started through its link still finds its
# own folder (the real executable's) with the manual and the companions.
set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
file(MAKE_DIRECTORY "${bin}")
foreach(name IN LISTS VIRANO_LINKS)
  message(STATUS "Installing: ${bin}/${name} -> ../${VIRANO_PROGRAM_DIR}/${name}")
  file(CREATE_LINK "../${VIRANO_PROGRAM_DIR}/${name}" "${bin}/${name}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin}/${name}")
endforeach()
