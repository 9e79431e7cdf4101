// A walk over an XML tree that follows the tree's own links instead of
// recursing, so no depth of nesting in a document or a spreadsheet exhausts
// the stack.
#pragma once

#include <pugixml.hpp>

namespace lumeral {

// Visits the nodes under `root` in document order: `enter` says whether to
// go into a node's children, `leave` runs for every node after them.
template <class Enter, class Leave>
void walk_xml(const pugi::xml_node& root, Enter enter, Leave leave) {
  pugi::xml_node node = root.first_child();
  while (node) {
    if (enter(node) && node.first_child()) {
      node = node.first_child();
      continue;
    }
    leave(node);
    while (!node.next_sibling()) {
      node = node.parent();
      if (!node || node == root) return;
      leave(node);
    }
    node = node.next_sibling();
  }
}

}  // namespace lumeral
