#pragma once

// Marks an English text that reaches the person translated. The core keeps to the English; the user
// interface looks the text up in the translation catalogue under `context`, keyed by the text itself.
// Qt's lupdate collects these marks: the build tells it that this macro means QT_TRANSLATE_NOOP.
#define VANTOREL_TRANSLATABLE(context, text) text
