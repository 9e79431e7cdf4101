// The pictures of the windows live in Qt resources compiled into the static
// GUI library; a static library's resources must be registered once before
// use. Every window that shows a picture calls this (it is idempotent).
#pragma once

namespace lumeral::gui {
void init_resources();
}
