#include "support/office_files.h"

#include <zip.h>

#include <stdexcept>

namespace lumeral::testing {

bool write_zip(const std::filesystem::path& p, const std::vector<std::pair<std::string, std::string>>& members,
               const char* password) {
  std::filesystem::create_directories(p.parent_path());
  int err = 0;
  zip_t* z = zip_open(p.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
  if (!z) return false;
  for (const auto& [name, content] : members) {
    zip_source_t* src = zip_source_buffer(z, content.data(), content.size(), 0);
    zip_int64_t index = src ? zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (src) zip_source_free(src);
      zip_discard(z);
      return false;
    }
    if (password && zip_file_set_encryption(z, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, password) != 0) {
      zip_discard(z);
      return false;
    }
  }
  return zip_close(z) == 0;
}

void write_docx(const std::filesystem::path& p, const std::string& body_xml) {
  const std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
      body_xml + "</w:body></w:document>";
  const std::string types =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
      "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
  if (!write_zip(p, {{"[Content_Types].xml", types}, {"word/document.xml", xml}}))
    throw std::runtime_error("could not write " + p.string());
}

void write_odt(const std::filesystem::path& p, const std::string& text_xml) {
  const std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"><office:body><office:text>" +
      text_xml + "</office:text></office:body></office:document-content>";
  if (!write_zip(p, {{"mimetype", "application/vnd.oasis.opendocument.text"}, {"content.xml", xml}}))
    throw std::runtime_error("could not write " + p.string());
}

}  // namespace lumeral::testing
