# The four message-dialog pictures, linked into a window program as raw data resources (type 10)
# named as the dialog asks for them. A module has one built-in resource stream, so a program with
# further built-ins takes the list from qv_message_icon_resources() into its own
# qv_add_resources() call; qv_add_message_icons() is for programs with no other built-ins.
set(QV_MESSAGE_ICON_DIR ${CMAKE_CURRENT_LIST_DIR}/dialog)

# Sets <out_var> to the RESOURCE arguments of qv_add_resources() for the four pictures.
function(qv_message_icon_resources out_var)
  set(args)
  foreach(name QVICON_EXCLAMATION QVICON_ERROR QVICON_INFORMATION QVICON_CONFIRMATION)
    list(APPEND args RESOURCE 10 ${name} 0 ${QV_MESSAGE_ICON_DIR}/${name}.ico)
  endforeach()
  set(${out_var} ${args} PARENT_SCOPE)
endfunction()

function(qv_add_message_icons target)
  qv_message_icon_resources(args)
  qv_add_resources(${target} ${args})
endfunction()
