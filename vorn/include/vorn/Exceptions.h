// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The exception classes of the platform: a base with a message, the
/// floating-point faults that checked arithmetic raises instead of producing
/// infinities or NaNs, and the faults of conversions and window descriptions.
#include <vorn/vorn_export.h>

#include <QByteArray>
#include <QString>

#include <exception>

namespace vorn {

/// The base of every error the library raises; Message() is the text the
/// error report shows, what() the same in UTF-8.
class VORN_EXPORT Exception : public std::exception
{
public:
    explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

/// An arithmetic error.
class VORN_EXPORT EMathError : public Exception
{
public:
    using Exception::Exception;
};

/// A division by zero: "Floating point division by zero".
class VORN_EXPORT EZeroDivide : public EMathError
{
public:
    EZeroDivide() : EMathError(QStringLiteral("Floating point division by zero")) {}
};

/// An invalid operation (0 / 0, a NaN, a value outside an integer's range):
/// "Invalid floating point operation".
class VORN_EXPORT EInvalidOp : public EMathError
{
public:
    EInvalidOp() : EMathError(QStringLiteral("Invalid floating point operation")) {}
};

/// A result too large for a double: "Floating point overflow".
class VORN_EXPORT EOverflow : public EMathError
{
public:
    EOverflow() : EMathError(QStringLiteral("Floating point overflow")) {}
};

/// An assignment between objects that cannot take each other's values.
class VORN_EXPORT EConvertError : public Exception
{
public:
    using Exception::Exception;
};

/// A window description that cannot be read; the message names the window,
/// the control and the property.
class VORN_EXPORT EReadError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace vorn
