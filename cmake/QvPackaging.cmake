# The Debian package, made with `cpack --config build/CPackConfig.cmake` (or the `package`
# target). It installs the program folder as /opt/quorvane, the way add-on packages live under
# /opt, and puts the desktop entry, the icon and the project file type under /usr/share and the
# command links under /usr/bin, the only places desktops, dpkg's triggers and a login PATH look.
# Included by QvInstall.cmake after the install rules.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "builder and compiler for icon packages")
set(CPACK_PACKAGE_DESCRIPTION
"Quorvane publishes icon sets as icon packages: single executables that carry the icons, a
title and icon, an optional banner with a link, a read-me and the texts of their own small
window in several languages. The recipient runs the package, reads the text, picks a
language and drags the icons out or copies them into a folder.

This package holds the builder quorbuild (Japanese interface), the compiler library
libquorcomp.so with the command quorcomp, and the resource tool qvres, in /opt/quorvane.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvane maintainers <maintainers@quorvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Japanese, Korean and Chinese texts need a font with those scripts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)

# Dependencies: the libraries the binaries link, as dpkg-shlibdeps finds them, and the one it
# cannot see: Qt loads its window-system and JPEG/GIF plug-ins (in libqt6gui6) at run time.
set(qv_deb_depends)
if(TARGET quorbuild)
  list(APPEND qv_deb_depends libqt6gui6)
endif()
find_program(QV_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QV_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The compiler library is the package's own, found beside the programs that link it.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS opt/quorvane)
else()
  list(APPEND qv_deb_depends libc6 libstdc++6 libgcc-s1)
  if(TARGET quorbuild)
    list(APPEND qv_deb_depends libqt6core6 libqt6widgets6)
  endif()
endif()
list(JOIN qv_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

# The install rules lay the files out for /opt when the packaging run asks for it.
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(qv_cpack_options ${CMAKE_BINARY_DIR}/QvCPackOptions.cmake)
file(WRITE ${qv_cpack_options} "set(ENV{QV_INSTALL_LAYOUT} opt)\n")
set(CPACK_PROJECT_CONFIG_FILE ${qv_cpack_options})

# postinst and postrm: one template, so both refresh the desktop caches the same way.
function(qv_deb_maintainer_script script refresh_on purpose extra)
  set(QV_SCRIPT ${script})
  set(QV_REFRESH_ON ${refresh_on})
  set(QV_SCRIPT_PURPOSE ${purpose})
  set(QV_SCRIPT_EXTRA ${extra})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/deb/maintainer-script.in ${CMAKE_BINARY_DIR}/deb/${script}
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
endfunction()
qv_deb_maintainer_script(postinst "configure" "makes the new desktop files known." "")
qv_deb_maintainer_script(postrm "remove|purge" "forgets them again; a purge also removes settings."
"# Settings (user/NAME.ini) of users who could write into the program folder.
if [ \"$1\" = \"purge\" ]; then
    rm -rf /opt/quorvane/user
    rmdir /opt/quorvane 2>/dev/null || true
fi")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/deb/postinst ${CMAKE_BINARY_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The package_source target: a tarball of the sources without build trees.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git" "/build/" "/build-[^/]*/" "\\.swp$")

include(CPack)
