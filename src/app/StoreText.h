#pragma once

// The store keeps labels, heading and comment as Windows-1252 bytes; the
// controls show Unicode. A character outside Windows-1252 becomes "?".

#include "data/Cp1252.h"

#include <QString>

#include <string>
#include <string_view>

inline QString fromStoreText(std::string_view bytes)
{
    return QString::fromStdString(utf8FromCp1252(bytes));
}

inline std::string toStoreText(const QString& text)
{
    return cp1252FromUtf8(text.toStdString());
}
