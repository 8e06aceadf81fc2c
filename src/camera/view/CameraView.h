#pragma once

#include "commands/CommandTarget.h"

#include <QWidget>
#include <functional>
#include <memory>

class CameraCapture;
class CameraPreview;
class FrameSource;
class QAction;
class QLabel;
class QLineEdit;

// The Take Photo center's upper pane: the folder the photos go to, the photo counter,
// the connected camera and its live picture. It takes the camera commands: start and
// stop capturing, take one now, and choose the camera.
class CameraView : public QWidget, public CommandTarget
{
    Q_OBJECT

public:
    static constexpr const char* kCannotOpen = "Can't open this driver";
    static constexpr const char* kNoDriver = "No driver selected";

    // `classFolder` takes the photos until a folder is chosen in the tree.
    CameraView(std::unique_ptr<FrameSource> source, const QString& classFolder,
               QWidget* parent = nullptr);
    ~CameraView() override;

    // The camera drop-down's entries are the actions of the driver commands.
    void SetActionSource(std::function<QAction*(int)> source);
    // Lists the cameras present; the first call wakes the cameras up.
    void ListDrivers();

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    CameraCapture& Capture() const { return *m_capture; }
    QString DriverText() const;
    QLineEdit* FolderField() const { return m_folderField; }
    QLineEdit* CounterField() const { return m_counterField; }
    QLabel* DriverLabel() const { return m_driverLabel; }

Q_SIGNALS:
    void PhotoStored(const QString& path);
    void CommandStateChanged();

private:
    void ShowState();
    void NameDriverActions();

    std::unique_ptr<FrameSource> m_source;
    std::unique_ptr<CameraCapture> m_capture;
    std::function<QAction*(int)> m_actionSource;
    QStringList m_driverNames;
    bool m_driversListed = false;
    QLineEdit* m_folderField = nullptr;
    QLineEdit* m_counterField = nullptr;
    QLabel* m_driverLabel = nullptr;
    QLabel* m_failureLabel = nullptr;
    CameraPreview* m_preview = nullptr;
};
