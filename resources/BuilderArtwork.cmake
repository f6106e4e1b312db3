# The builder's own artwork: its default package icon (an icon file of three 32-bit images,
# 16, 32 and 48 pixels, to be stored as the icon group "MAINICONDEFAULT"), its default banner
# "BANNERIMAGE" (an 88 x 31 palette PNG, raw data) and its toolbar pictures as a Qt resource
# file (":/toolbar/<name>_16.png" and "_24.png"), and the about dialog's logo ":/about/logo.png".
set(QV_MAINICONDEFAULT_ICO ${CMAKE_CURRENT_LIST_DIR}/builder/MAINICONDEFAULT.ico)
set(QV_BANNERIMAGE_PNG ${CMAKE_CURRENT_LIST_DIR}/builder/BANNERIMAGE.png)
set(QV_TOOLBAR_QRC ${CMAKE_CURRENT_LIST_DIR}/toolbar/toolbar.qrc)
set(QV_LOGO_QRC ${CMAKE_CURRENT_LIST_DIR}/builder/logo.qrc)
