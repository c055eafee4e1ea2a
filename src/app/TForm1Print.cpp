// "&Print data": the listing of the current set, straight to the default
// printer.

#include "app/TForm1.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "print/DataListing.h"

#include <QDateTime>
#include <QPrinter>
#include <QPrinterInfo>

void TForm1::Drucken1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (printerSetup_) {
        printerSetup_(printer);
    } else {
        // Without a printer the job would go nowhere, or into a file nobody
        // asked for.
        const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
        if (standard.isNull())
            throw KurvixError(std::string(Messages::NoDefaultPrinter));
        printer.setPrinterName(standard.printerName());
    }
    printDataListing(store_, printer, QDateTime::currentDateTime());
}
