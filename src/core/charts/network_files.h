// A network as a file for other network tools: GraphML or GEXF 1.2, chosen
// by the file's extension. Nodes carry their label (UTF-8), weight (what
// the picture draws as the node's area) and community; edges their weight,
// their label and, for rules, confidence and support in percent; rules are
// directed edges. docs/formats.md describes both documents.
//
// Promises: the same network always gives the same bytes; writing is
// linear in nodes + edges; the file is written whole or not at all (a
// failure keeps the old file).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/charts/network.h"

namespace lumeral::charts {

enum class NetworkFileFormat { GraphMl, Gexf };

// The format of a name ending in ".graphml" or ".gexf" (any letter case);
// nothing for any other name.
std::optional<NetworkFileFormat> network_file_format(const std::filesystem::path& p);

// The sentence that refuses a name with another extension.
std::string network_extension_error(const std::filesystem::path& p);

// The document's bytes (UTF-8 XML).
std::string network_document(const Network& network, NetworkFileFormat format);

// Writes the document the extension of `p` names. Throws Stop naming the
// file: another extension, or the reason the write failed.
void write_network_file(const std::filesystem::path& p, const Network& network);

}  // namespace lumeral::charts
