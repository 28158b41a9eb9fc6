#include "platform/qt/FileFilters.h"

#include "platform/qt/QtText.h"

namespace platform {

QStringList NameFilters(const std::vector<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters) {
        const QString name = FromBytes(filter.name);
        QStringList patterns = FromBytes(filter.pattern).split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        const QString suffix = u'(' + patterns.join(u' ') + u')';
        result.append(name.endsWith(suffix) ? name : name + u' ' + suffix);
    }
    return result;
}

}  // namespace platform
