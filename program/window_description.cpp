// The window 0x52010001 with its units: the window itself, 按钮1 and 标签1.
// Integers are 32-bit little-endian; names and texts are GBK.
#include "window_description.h"

#define LE32(v)                                                                     \
    static_cast<std::uint8_t>((v)&0xFF), static_cast<std::uint8_t>(((v) >> 8) & 0xFF), \
        static_cast<std::uint8_t>(((v) >> 16) & 0xFF), static_cast<std::uint8_t>(((v) >> 24) & 0xFF)
#define ZERO4 0, 0, 0, 0
#define ZERO16 ZERO4, ZERO4, ZERO4, ZERO4
#define ZERO20 ZERO16, ZERO4

extern const std::uint8_t kWindowDescription[] = {
    // 0x000 window table: byte count, the WindowIds, one reserved slot each
    LE32(8),
    LE32(0x52010001),
    LE32(0x0253BE80),

    // 0x00C WindowRecord of 0x52010001
    LE32(0),           // value, not interpreted
    LE32(0x19010004),  // associated identifier
    LE32(0),           // first counted text: empty
    LE32(0),           // second counted text: empty
    LE32(3),           // unit count
    LE32(471),         // unit block byte count
    LE32(0x06010000), LE32(0x16010003), LE32(0x16010002),  // ComponentIds
    LE32(0), LE32(107), LE32(227),                         // unit offsets

    // 0x03C unit 0: the window itself
    LE32(103),         // record size
    LE32(0x00010001),  // kind: window
    LE32(0),           // event-source unit
    ZERO16,            // reserved
    0,                 // name: empty
    0,                 // second text: empty
    LE32(0),           // component slot
    LE32(50), LE32(50), LE32(380), LE32(250),  // left, top, width, height
    LE32(0),           // pointer slot
    LE32(0),           // parent unit
    LE32(0),           // page list: none
    LE32(4), LE32(0),  // mouse pointer: code 0
    0,                 // tag: empty
    LE32(0),           // reserved
    LE32(1),           // flags: visible
    LE32(0),           // tab order
    LE32(0),           // event entries: none
    ZERO20,            // reserved; the kind-specific part is empty

    // 0x0A7 unit 1: 按钮1
    LE32(116),
    LE32(0x0001000B),  // kind: push button
    LE32(0),
    ZERO16,
    0xB0, 0xB4, 0xC5, 0xA5, '1', 0,  // name: 按钮1
    0,
    LE32(0),
    LE32(160), LE32(48), LE32(120), LE32(113),
    LE32(0),
    LE32(0),
    LE32(0),
    LE32(4), LE32(0),
    0,
    LE32(0),
    LE32(5),           // flags: visible, tab stop
    LE32(0),
    LE32(1), LE32(0), LE32(8),  // one event entry: event 0 (click), handler offset 8
    ZERO20,

    // 0x11F unit 2: 标签1
    LE32(216),
    LE32(0x0001000A),  // kind: label
    LE32(0),
    ZERO16,
    0xB1, 0xEA, 0xC7, 0xA9, '1', 0,  // name: 标签1
    0,
    LE32(0),
    LE32(64), LE32(88), LE32(48), LE32(12),
    LE32(0),
    LE32(0),
    LE32(0),
    LE32(4), LE32(0),
    0,
    LE32(0),
    LE32(1),           // flags: visible
    LE32(0),
    LE32(0),
    ZERO20,
    // kind-specific part, version 2
    LE32(2),           // version
    LE32(0),           // effect: plain
    LE32(8),           // gradient frame width
    LE32(0),           // border: none
    LE32(0x808080), LE32(0xFFFFFF), LE32(0x808080),  // gradient frame colours
    LE32(0),           // text colour: black
    LE32(0xFF000000),  // background colour: button face
    LE32(1),           // picture mode: tiled
    LE32(0),           // gradient background: none
    LE32(0x808080), LE32(0xFFFFFF), LE32(0x808080),  // gradient background colours
    LE32(0),           // alignment: left
    LE32(1),           // vertical alignment: centre
    LE32(0),           // word wrap: off
    LE32(0),           // font: the default GUI font
    LE32(0),           // background picture: none
    LE32(20), 't', 'e', 'k', 'a', 'v', 'i', '{', 'O', '_', 'U', 'k', '_', 'e', '_', 'w', 'r', 'i', 's', 't', '}',
    LE32(0),           // bound data source: none
    LE32(0),           // bound field: none
};
static_assert(sizeof kWindowDescription == kWindowDescriptionSize);
