# Installation. Everything the builder looks for beside itself sits in one program folder; the
# desktop entry, its icon and the project file type go under share/, command links under bin/:
#
#   cmake --install build --prefix P            P/lib/quorvane/   P/share/...       P/bin/
#   QV_INSTALL_LAYOUT=opt, prefix / (the .deb)  /opt/quorvane/    /usr/share/...    /usr/bin/
#
# The roots are chosen when the install script runs (a variable or the environment variable
# QV_INSTALL_LAYOUT: "prefix", the default, or "opt"), so one build tree serves both.
# Included at the end of the top-level CMakeLists.txt, when every target exists.

set(QV_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(QV_HELP_DIR ${PROJECT_SOURCE_DIR}/resources/help)
set(QV_HELP_FILES readme.txt manual.txt)
set(QV_TEMPLATE_FILES japanese_sys.dat english_sys.dat korean_sys.dat chinese_sys.dat)

# The read-me and the manual stand beside the builder in the build tree too, where its two help
# commands open them.
set(qv_help_outputs)
foreach(name ${QV_HELP_FILES})
  add_custom_command(OUTPUT ${QV_BIN_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QV_HELP_DIR}/${name} ${QV_BIN_DIR}/${name}
    DEPENDS ${QV_HELP_DIR}/${name}
    COMMENT "Copying ${name} into the program folder"
    VERBATIM)
  list(APPEND qv_help_outputs ${QV_BIN_DIR}/${name})
endforeach()
add_custom_target(qvhelpfiles ALL DEPENDS ${qv_help_outputs})

install(CODE [[
  if(NOT QV_INSTALL_LAYOUT)
    set(QV_INSTALL_LAYOUT "$ENV{QV_INSTALL_LAYOUT}")
  endif()
  if(NOT QV_INSTALL_LAYOUT OR QV_INSTALL_LAYOUT STREQUAL "prefix")
    set(QV_PROGRAM_DEST lib/quorvane)
    set(QV_SHARE_DEST share)
    set(QV_BIN_DEST bin)
  elseif(QV_INSTALL_LAYOUT STREQUAL "opt")
    set(QV_PROGRAM_DEST opt/quorvane)
    set(QV_SHARE_DEST usr/share)
    set(QV_BIN_DEST usr/bin)
  else()
    message(FATAL_ERROR "QV_INSTALL_LAYOUT must be prefix or opt, not \"${QV_INSTALL_LAYOUT}\"")
  endif()
]])

# The programs that load the library find it in their own folder wherever that is installed
# (the builder opens it by path, and by plain name as a fall-back, which the run path serves).
set(qv_installed_targets quorcomp quorcomp_cli qvres)
if(TARGET quorbuild)
  list(APPEND qv_installed_targets quorbuild)
  set_target_properties(quorbuild PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()
set_target_properties(quorcomp_cli PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${qv_installed_targets}
  RUNTIME DESTINATION "\${QV_PROGRAM_DEST}"
  LIBRARY DESTINATION "\${QV_PROGRAM_DEST}")

install(FILES ${qv_help_outputs} DESTINATION "\${QV_PROGRAM_DEST}")
# The compressor is the user's own program, put at upx/upx; the folder waits for it.
install(DIRECTORY DESTINATION "\${QV_PROGRAM_DEST}/upx")

# A command link in bin/ for a program of the program folder: relative inside one prefix, so the
# prefix can move; absolute from /usr/bin into /opt, as links between top-level folders are.
function(qv_install_command_link name)
  set(code [[
    set(qv_link "${CMAKE_INSTALL_PREFIX}/${QV_BIN_DEST}/@name@")
    if(QV_INSTALL_LAYOUT STREQUAL "opt")
      set(qv_target "/${QV_PROGRAM_DEST}/@name@")  # the prefix is the root of the system
    else()
      file(RELATIVE_PATH qv_target "${CMAKE_INSTALL_PREFIX}/${QV_BIN_DEST}"
        "${CMAKE_INSTALL_PREFIX}/${QV_PROGRAM_DEST}/@name@")
    endif()
    message(STATUS "Installing: $ENV{DESTDIR}${qv_link} -> ${qv_target}")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${QV_BIN_DEST}")
    file(CREATE_LINK "${qv_target}" "$ENV{DESTDIR}${qv_link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${qv_link}")
  ]])
  string(CONFIGURE "${code}" code @ONLY)
  install(CODE "${code}")
endfunction()
qv_install_command_link(quorcomp)

# The builder and what belongs to it: its templates (made by the builder's build), its desktop
# entry and icon, and the project file type that opens in it. Without the builder there is no
# launcher to offer.
if(TARGET quorbuild)
  qv_install_command_link(quorbuild)
  list(TRANSFORM QV_TEMPLATE_FILES PREPEND ${QV_BIN_DIR}/ OUTPUT_VARIABLE qv_templates)
  install(FILES ${qv_templates} DESTINATION "\${QV_PROGRAM_DEST}")
  install(FILES ${QV_DESKTOP_DIR}/quorvane-builder.desktop DESTINATION "\${QV_SHARE_DEST}/applications")
  install(FILES ${QV_DESKTOP_DIR}/quorvane.xml DESTINATION "\${QV_SHARE_DEST}/mime/packages")
  install(DIRECTORY ${QV_DESKTOP_DIR}/icons/ DESTINATION "\${QV_SHARE_DEST}/icons")
endif()

# The .deb, from the rules above.
include(QvPackaging)
