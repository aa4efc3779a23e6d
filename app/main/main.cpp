// Entry point of the module.
//
// VN2400_DEMO_SCREENSHOT=<file> makes the program save a picture of its
// active window after VN2400_DEMO_SECONDS (default 5) seconds and end; the
// demo script uses it where no display exists.
#include "app/Mainunit.h"
#include "app/Startup.h"
#include "features/Descriptors.h"
#include "panel/Panelvn2400formunit.h"
#include "ui/TApplication.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

static void ScheduleDemoScreenshot()
{
    const char* file = std::getenv("VN2400_DEMO_SCREENSHOT");
    if (!file || !*file)
        return;
    const char* secondsText = std::getenv("VN2400_DEMO_SECONDS");
    int seconds = secondsText ? std::atoi(secondsText) : 5;
    if (seconds <= 0)
        seconds = 5;
    QString path = QString::fromLocal8Bit(file);
    QTimer::singleShot(seconds * 1000, [path] {
        QWidget* window = QApplication::activeWindow();
        if (!window) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() &&
                    (!window || w->width() * w->height() > window->width() * window->height()))
                    window = w;
        }
        if (window && window->grab().save(path))
            std::fprintf(stderr, "screenshot saved to %s\n", qPrintable(path));
        else
            std::fprintf(stderr, "no window to take a screenshot of\n");
        QApplication::exit(0);
    });
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StartupResult startup;
    int exitStatus = 0;
    if (!RunStartupOrReport(ArgumentsOf(argc, argv), startup, exitStatus))
        return exitStatus;
    ScheduleDemoScreenshot();
    // The front panel opens the port tables of the catalogue on a double-click
    // and is hosted in the main window's client area on its first activation.
    TPanelVN2400Form::SetPortPageTables(PortInformation1Desc, PortControl1Desc);
    TMainForm::SetFrontPanelHost(
        [](TMainForm& form, TScrollBox& scrollBox) { HostFrontPanel(&form, &scrollBox, form.StatusBar); });
    TMainForm mainForm(startup);
    Application->SetMainForm(&mainForm);
    mainForm.Show();
    return app.exec();
}
