#include "platform/qt/TScopedSeams.h"

namespace qv {

TScopedSeams::TScopedSeams(TSystemSeams& seams) : FPrevious(ReplaceSeams(&seams)) {}

TScopedSeams::~TScopedSeams() {
    ReplaceSeams(FPrevious);
}

}  // namespace qv
