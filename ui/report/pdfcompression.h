#pragma once

namespace ui::report {

// The zlib level the PDF engine compresses page streams at in this program. Calling it also
// makes sure the quick compression is linked into every program that writes reports.
int pdfCompressionLevel();

} // namespace ui::report
