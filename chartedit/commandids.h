#pragma once

/** Merge ids of the chart designer's undo commands, one place so they never clash. */
namespace commandids {
enum Id {
    ItemGeometry = 0x4751, ///< move, resize, rotate and content shift of one drag
    ItemProperties = 0x5052, ///< property edits with the same merge key
};
} // namespace commandids
