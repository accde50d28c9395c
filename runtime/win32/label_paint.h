// Painting of a label: frame, background and caption.
#pragma once

#include <windows.h>

#include "kind_parts.h"

namespace rt {

// Paints a label whose client area is `client`; clipping is the caller's.
void paintLabel(HDC hdc, const RECT& client, const LabelProperties& label, HFONT font);

// DrawText flags for the caption.
UINT labelTextFlags(const LabelProperties& label);

}  // namespace rt
