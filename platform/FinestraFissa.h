// The window flags of a dialog of fixed size: a title and a close button, nothing to resize.
#pragma once

#include <Qt>

// Without them a window manager offers minimise and maximise on a worksheet or a message box.
constexpr Qt::WindowFlags k_FinestraFissa = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
