// Benchmark of a letter run: one letter of one page per citizen, written to one PDF file.
#pragma once

namespace dorvani::bench {

// Prints the line "1,000 letters to PDF" with its time.
void benchLetters(int times);

} // namespace dorvani::bench
