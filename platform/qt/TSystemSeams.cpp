#include "platform/qt/TSystemSeams.h"

#include "platform/qt/TQtSystemSeams.h"

namespace qv {

namespace {

TSystemSeams* GCurrentSeams = nullptr;  // nullptr: the real service

}  // namespace

TSystemSeams& Seams() {
    static TQtSystemSeams real;
    return GCurrentSeams ? *GCurrentSeams : real;
}

TSystemSeams* ReplaceSeams(TSystemSeams* seams) {
    TSystemSeams* previous = GCurrentSeams;
    GCurrentSeams = seams;
    return previous;
}

}  // namespace qv
