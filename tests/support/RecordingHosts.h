#pragma once
// Viewer and document hosts that record what they were told, for the
// viewer's suites. Answers come from the optional functions; unset, a
// link is left to the viewer and pictures are read from their files.

#include "viewer/ViewerHost.h"

#include <QList>
#include <QStringList>
#include <functional>

struct TSubmission {
    QString action, method;
    QStringList results;
};

class TRecordingViewerHost final : public THtmlViewerHost {
public:
    QStringList covered, clicked, pictures, layoutErrors;
    QList<TSubmission> submitted;
    QList<bool> processing;
    QList<Qt::MouseButton> released;
    int historyChanges = 0;
    std::function<bool(const QString& url)> handleClick;
    std::function<bool(const QString& source, QImage&, QColor&)> supplyPicture;

    void HotSpotCovered(const QString& url) override { covered << url; }
    bool HotSpotClicked(const QString& url) override {
        clicked << url;
        return handleClick && handleClick(url);
    }
    bool PictureWanted(const QString& source, QImage& picture, QColor& colour) override {
        pictures << source;
        return supplyPicture && supplyPicture(source, picture, colour);
    }
    void FormSubmitted(const QString& action, const QString& method, const QStringList& results) override {
        submitted.append({action, method, results});
    }
    void HistoryChanged() override { ++historyChanges; }
    void ProcessingChanged(bool on) override { processing << on; }
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers, int, int) override { released << button; }
    void LayoutFailed(const QString& message) override { layoutErrors << message; }
};

class TRecordingDocumentHost final : public THtmlDocumentHost {
public:
    QStringList dropped;
    QList<QColor> backgrounds;
    QList<TSubmission> submitted;
    std::function<QImage(const QString& source, bool transparent)> pictures;

    QImage PictureFor(const QString& source, bool transparent) override {
        return pictures ? pictures(source, transparent) : QImage();
    }
    void SectionDropped(const QString& message) override { dropped << message; }
    void BackgroundChanged(const QColor& colour) override { backgrounds << colour; }
    void FormSubmitted(const QString& action, const QString& method, const QStringList& results) override {
        submitted.append({action, method, results});
    }
};
