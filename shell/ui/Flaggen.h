#pragma once
// The pictures of the start-up window's language buttons, drawn here so the program needs no
// picture files for them. Each icon has a raised look (off) and a marked look (on) for the
// language in effect.
#include <QIcon>
#include <QSize>

namespace qv {

enum class LanguageFlag { German, English, French, World };

inline constexpr QSize kFlagSize{40, 26};

QIcon languageIcon(LanguageFlag flag);

}  // namespace qv
