// Shows the tuning dial in a window, drawn from the images of the bundle in the build tree.
#include "dial/xr_tunerCtl.h"
#include "host/Bundle.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// Shows the frequency the dial sends.
class Readout : public QLabel {
    Q_OBJECT
public:
    Q_INVOKABLE void handleFreqWheel(QObject* inSender) {
        const auto* dial = qobject_cast<const xr_tunerCtl*>(inSender);
        setText(QString::number(dial->frequency() / 1000.0, 'f', 1) + " MHz");
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("USB_Tavro");
    auto* layout = new QVBoxLayout(&window);
    auto* dial = new xr_tunerCtl(&window);
    dial->setFixedSize(dial->sizeHint());
    dial->finishInitWithBundle(host::Bundle(TAVRO_BUNDLE_PATH));
    auto* readout = new Readout;
    readout->setText("88.1 MHz");
    layout->addWidget(dial);
    layout->addWidget(readout);
    dial->setWheelTarget(readout, host::Selector("handleFreqWheel"));
    dial->setConnected(true);
    window.show();
    return QApplication::exec();
}

#include "main.moc"
