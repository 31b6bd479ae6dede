#pragma once
// Contents of the sample's stored files: profile photos and attachments as a
// municipality scans or writes them (JPEG pictures, PDF and .docx documents).

#include <string>

#include "random.h"

namespace qor::sample {

// A small JPEG portrait; every call gives different bytes.
std::string JpegPhoto(Random& random);
// A one-page PDF that shows the title.
std::string PdfDocument(const std::string& title);
// A Word (.docx) document holding one paragraph.
std::string DocxDocument(const std::string& text);

}  // namespace qor::sample
