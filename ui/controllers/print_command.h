// Printing the document on the default printer.
#pragma once

#include <QString>

namespace pukana {

class Platform;
class RichTextBox;

/// Shown when there is no printer to print on.
QString noPrinterMessage();

/// Prints the selection, or the whole document when nothing is selected, on the default
/// printer with the hourglass while rendering. Ending the job is tried up to three times;
/// when all fail, one message shows the last failure. A job that cannot be started or
/// rendered, or a missing printer, is reported in a message. The pointer is always restored
/// and the document is left unchanged.
void printSelection(RichTextBox& box, Platform& platform);

} // namespace pukana
