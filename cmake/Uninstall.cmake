# `make uninstall`: removes what the last `make install` installed, by the
# list CMake kept of it, and the program's own folders when they are left
# empty. Shared folders (bin, the icon theme's, the manual's) stay. The
# list holds the paths under the prefix; DESTDIR is put before them, as
# the install did.
#   [DESTDIR=...] cmake -DMANIFEST=build/install_manifest.txt -P cmake/Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "${MANIFEST} does not exist: nothing was installed from this build")
endif()
file(STRINGS "${MANIFEST}" installed)
set(own_folders)
foreach(path IN LISTS installed)
  set(path "$ENV{DESTDIR}${path}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
  # The program's folders: .../kakeibo, and the modules folder in its
  # library folder.
  get_filename_component(folder "${path}" DIRECTORY)
  if(folder MATCHES "/kakeibo/modules$")
    list(APPEND own_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endif()
  if(folder MATCHES "/kakeibo$")
    list(APPEND own_folders "${folder}")
  endif()
endforeach()
list(REMOVE_DUPLICATES own_folders)
# A folder within another goes first, so the outer one can be found empty.
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left "${folder}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
