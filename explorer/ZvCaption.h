#pragma once
// The title bar on top of every explorer view: the view's title and how many
// items it holds.
#include <QLabel>
#include <QString>

class CZvCaption : public QLabel {
    Q_OBJECT
public:
    explicit CZvCaption(QWidget* parent = nullptr);
    // Keeps the title and shows it; false without a parent.
    bool init(QWidget* parent, const QString& title);
    // Title + " ( " + n + " )"; a negative n changes nothing.
    void setCount(int n);
    const QString& title() const { return m_title; }
    // A 16 x 16 picture of the resources at the left, before the title.
    void setPicture(int number);
    bool hasPicture() const { return m_picture != nullptr; }
    // 17 pixels, or more where the desktop's font needs it.
    static int captionHeight();

private:
    QString m_title;
    QLabel* m_picture = nullptr;
};
