#include "app/FileFilter.h"

#include <QStringList>

namespace {

QString patternsFor(const QString& patterns)
{
    QStringList out;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString p = pattern.trimmed();
        if (p == QLatin1String("*.*") || p == QLatin1String("*")) {
            out << QStringLiteral("*");
            continue;
        }
        out << p;
        for (const QString& variant : {p.toUpper(), p.toLower()})
            if (!out.contains(variant))
                out << variant;
    }
    out.removeDuplicates();
    return out.join(QLatin1Char(' '));
}

} // namespace

QString qtFileFilter(std::string_view pipeFilter)
{
    const QStringList parts = QString::fromUtf8(pipeFilter.data(), static_cast<qsizetype>(pipeFilter.size()))
                                  .split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + patternsFor(parts[i + 1]) + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}
