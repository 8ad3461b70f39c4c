#pragma once

class QWidget;

namespace vantorel {

// Keeps a purely decorative widget out of what assistive technology reads. Call it before the
// widget is first shown: Qt asks for a widget's accessible interface once and keeps it.
void hideFromAccessibility(QWidget* widget);

} // namespace vantorel
