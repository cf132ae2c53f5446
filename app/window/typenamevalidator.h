#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;

// Enables the confirm button only while the field holds exactly the expected name.
class TypeNameValidator : public QObject {
    Q_OBJECT
public:
    TypeNameValidator(const QString &expectedName, QAbstractButton *confirmButton,
                      QObject *parent = nullptr);

    // Exact: case-sensitive and without trimming, so a near miss never erases.
    static bool matches(const QString &text, const QString &expectedName);

    // Follows every text change of the field from now on.
    void watch(QLineEdit *field);

    QString expectedName() const { return m_expectedName; }

public slots:
    void textChanged(const QString &text);

private:
    QString m_expectedName;
    QPointer<QAbstractButton> m_confirmButton;
};
