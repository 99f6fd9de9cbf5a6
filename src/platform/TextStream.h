// A text file open for writing: UTF-8, every line ended by carriage return and line feed.
#pragma once

#include <QString>

#include <memory>

class QFileDevice;

class TextStream final
{
public:
    struct Options
    {
        bool ownerOnly = false; // created readable and writable by the owner only (POSIX)
        bool atomic = false;    // replaces the file only at Close; a failure keeps the old one
        bool durable = false;   // Close returns once the data is on the disk
    };

    TextStream(std::unique_ptr<QFileDevice> device, Options options);
    TextStream(TextStream&&) noexcept;
    TextStream& operator=(TextStream&&) noexcept;
    // Closes without reporting: what was written stays, an atomic write is dropped.
    ~TextStream();

    void WriteLine(const QString& text = QString());
    void WriteBlankLines(int count);
    // The file is complete on disk afterwards; throws when it cannot be made so.
    void Close();

private:
    void write(const QByteArray& bytes);
    [[noreturn]] void fail(int savedErrno) const;

    std::unique_ptr<QFileDevice> m_device;
    Options m_options;
};
