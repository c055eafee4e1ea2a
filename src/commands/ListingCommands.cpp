#include "commands/ListingCommands.h"

#include "data/Cp1252.h"
#include "data/DataFilePath.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "print/DataListing.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace commands {

ListingKind listingKindOf(const std::string& path)
{
    return upperAscii(path).find(".PDF") != std::string::npos ? ListingKind::Pdf : ListingKind::Text;
}

std::string listingBytes(DataStore& store, const QDateTime& when)
{
    const QString text = dataListing(store, listingDateText(when), listingTimeText(when));
    return cp1252FromUtf8(text.toStdString());
}

Outcome writeListing(Workspace& ws, const std::string& path, ListingKind kind, const QDateTime& when)
{
    return run(ws, CommandId::Listing, {path}, [&] {
        QSaveFile file(QString::fromStdString(path));
        auto failed = [&] {
            return FileError(Messages::message(Messages::CannotCreateFile, {path, file.errorString().toStdString()}));
        };
        if (!file.open(QIODevice::WriteOnly))
            throw failed();
        if (kind == ListingKind::Pdf) {
            QPdfWriter writer(&file);
            writer.setResolution(600);
            writer.setPageSize(QPageSize(QPageSize::A4));
            printDataListing(ws.store, writer, when);
        } else {
            const std::string bytes = listingBytes(ws.store, when);
            if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
                throw failed();
        }
        if (!file.commit())
            throw failed();
        return Outcome::done();
    });
}

} // namespace commands
