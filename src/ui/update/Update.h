#pragma once

#include "UpdateJob.h"

#include <QDialog>

#include <memory>

class AppSettings;
class QTreeWidgetItem;
class Session;

namespace Ui {
class Update;
}

// The update window: the server's version of the program and of each add-on beside the one installed through
// this window, marked where the server has a newer one, and the download of the marked items. Each time it comes
// to the front it asks the server again. Cancel, or closing it, stops a running update at once. The update itself
// is its job's; the window shows what the job tells.
class Update : public QDialog
{
    Q_OBJECT

public:
    Update(Session &session, AppSettings &settings, QWidget *parent = nullptr);
    ~Update() override;

    // Whether a version list or an update is being fetched.
    bool isBusy() const;

Q_SIGNALS:
    // The rows have been filled from the server's version list (or without it, when it could not be fetched).
    void rowsFilled();
    // An update of the marked items has ended, all of them in place or stopped at the first that failed.
    void updateEnded();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public Q_SLOTS:
    // Escape and the close box end a running transfer too.
    void done(int result) override;

private:
    void fetchVersions();
    void versionsArrived(const QString &error);
    void fillRows();
    void showRow(QTreeWidgetItem *row, int index) const;

    void updateSelected();
    void itemDone(int index, const QString &error);
    void endUpdate(const QString &error);
    void showProgress(const UpdateJob::Progress &progress);
    void showState(UpdateClient::State state);

    std::unique_ptr<Ui::Update> m_ui;
    Session &m_session;
    AppSettings &m_settings;
    UpdateJob *m_job;
    QString m_cancelCaption; // the form's, while there is something to cancel
};
