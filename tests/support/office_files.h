// Small DOCX and ODT files for tests, written with libzip from known XML.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace lumeral::testing {

// A ZIP file holding `members` (name, content); with `password`, every
// member is encrypted (AES-256). False when libzip could not write it.
bool write_zip(const std::filesystem::path& p, const std::vector<std::pair<std::string, std::string>>& members,
               const char* password = nullptr);

// A DOCX whose body is `body_xml` (w:p elements and the like).
void write_docx(const std::filesystem::path& p, const std::string& body_xml);
// An ODT whose office:text is `text_xml` (text:p elements and the like).
void write_odt(const std::filesystem::path& p, const std::string& text_xml);

}  // namespace lumeral::testing
