// The support library of the run time's window kinds: window, label, push
// button.
#include "form_window.h"
#include "label_control.h"
#include "rt.h"

namespace {

void formLibraryInitialize() {
    rt::FormWindow::registerClass();
    rt::LabelControl::registerClass();
}

void formLibraryProgramEnds() {}

}  // namespace

extern const rt::SupportLibrary rtFormLibrary = {"form", formLibraryInitialize, formLibraryProgramEnds};
