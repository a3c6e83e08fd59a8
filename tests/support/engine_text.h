#pragma once

#include <QString>

#include <string_view>

// An engine text (UTF-8, not NUL-terminated) as a QString.
inline QString FromEngine(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
