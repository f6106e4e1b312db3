#include "platform/TResView.h"

namespace qv {

ResEntry TResView::ToEntry() const {
    ResEntry e;
    static_cast<ResHeader&>(e) = *this;
    e.data.assign(data, data + size);
    return e;
}

std::vector<ResEntry> ToEntries(const std::vector<TResView>& views) {
    std::vector<ResEntry> entries;
    entries.reserve(views.size());
    for (const TResView& view : views) entries.push_back(view.ToEntry());
    return entries;
}

}  // namespace qv
