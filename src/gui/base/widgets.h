// Small builders shared by the windows' layouts: command buttons whose hint
// shows as a tooltip and in the status bar, bold headings, bold labels.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace lumeral::gui {

// A push button; `hint` is its tooltip and its status-bar text.
QPushButton* command_button(const QString& caption, const QString& hint, QWidget* parent);

// A bold label `point_delta` points larger than the default font: 4 for a
// step's heading, 2 for a section of a panel, 6 for a welcome title.
QLabel* heading(const QString& text, QWidget* parent, int point_delta = 4);

// The fixed-width font of the result lists, so that weights line up.
QFont monospace_font();

// Makes a widget's font bold or regular.
void set_bold(QWidget* widget, bool bold = true);

}  // namespace lumeral::gui
