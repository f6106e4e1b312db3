#include "builder/core/LanguageTextKeys.h"

namespace qv {

const std::array<TLanguageTextKey, kLanguageTextKeys>& LanguageTextKeys() {
    static const std::array<TLanguageTextKey, kLanguageTextKeys> keys{{
        {kFontNameKey, "フォント名：", "tnttxtFontName"},
        {kFontSizeKey, "フォントサイズ：", "wseFontSize"},
        {"labeldragdrop", "labeldragdrop：", "tnttxtLabelDragDrop"},
        {"labeldragor", "labeldragor：", "tnttxtLabelDragOr"},
        {"buttoncopyto", "buttoncopyto：", "tnttxtButtonCopyTo"},
        {"checkselectonly", "checkselectonly：", "tnttxtCheckSelectOnly"},
        {"buttonbrowse", "buttonbrowse：", "tnttxtButtonBrowse"},
        {"buttonstart", "buttonstart：", "tnttxtButtonStart"},
        {"buttonagree", "buttonagree：", "tnttxtButtonAgree"},
        {"confirmmakefolder", "confirmmakefolder：", "tnttxtConfirmMakeFolder"},
        {"errormakefolder", "errormakefolder：", "tnttxtErrorMakeFolder"},
        {"buttonYes", "buttonYes：", "tnttxtButtonYes"},
        {"buttonNo", "buttonNo：", "tnttxtButtonNo"},
        {"buttonCancel", "buttonCancel：", "tnttxtButtonCancel"},
        {"buttonNoToAll", "buttonNoToAll：", "tnttxtButtonNoToAll"},
        {"buttonYesToAll", "buttonYesToAll：", "tnttxtButtonYesToAll"},
        {"confirmoverwrite", "confirmoverwrite：", "tnttxtConfirmOverwrite"},
        {"errormakefile", "errormakefile：", "tnttxtErrorMakeFile"},
        {"titleconfirm", "titleconfirm：", "tnttxtTitleConfirm"},
        {"titleerror", "titleerror：", "tnttxtTitleError"},
    }};
    return keys;
}

const TLanguageTextKey* LanguageTextFieldKeys() { return LanguageTextKeys().data() + 2; }

}  // namespace qv
