#include "viewer/ViewerHost.h"

namespace {
class TQuietDocumentHost final : public THtmlDocumentHost {
public:
    QImage PictureFor(const QString&, bool) override { return QImage(); }
    void SectionDropped(const QString&) override {}
    void BackgroundChanged(const QColor&) override {}
    void FormSubmitted(const QString&, const QString&, const QStringList&) override {}
};

class TQuietViewerHost final : public THtmlViewerHost {
public:
    void HotSpotCovered(const QString&) override {}
    bool HotSpotClicked(const QString&) override { return false; }
    bool PictureWanted(const QString&, QImage&, QColor&) override { return false; }
    void FormSubmitted(const QString&, const QString&, const QStringList&) override {}
    void HistoryChanged() override {}
    void ProcessingChanged(bool) override {}
    void MouseReleased(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override {}
    void LayoutFailed(const QString&) override {}
};
}  // namespace

THtmlDocumentHost& THtmlDocumentHost::Quiet() {
    static TQuietDocumentHost host;  // holds no state: shared by every document
    return host;
}

THtmlViewerHost& THtmlViewerHost::Quiet() {
    static TQuietViewerHost host;
    return host;
}
