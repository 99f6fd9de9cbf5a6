#include "platform/TextStream.h"

#include "platform/PlatformError.h"

#include <QSaveFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

TextStream::TextStream(std::unique_ptr<QFileDevice> device, Options options)
    : m_device(std::move(device))
    , m_options(options)
{
}

TextStream::TextStream(TextStream&&) noexcept = default;
TextStream& TextStream::operator=(TextStream&&) noexcept = default;

TextStream::~TextStream()
{
    if (!m_device || !m_device->isOpen())
        return;
    if (auto* saveFile = qobject_cast<QSaveFile*>(m_device.get()))
        saveFile->cancelWriting();
    else
        m_device->close();
}

void TextStream::WriteLine(const QString& text)
{
    write(text.toUtf8() + "\r\n");
}

void TextStream::WriteBlankLines(int count)
{
    for (int i = 0; i < count; ++i)
        write("\r\n");
}

void TextStream::Close()
{
    errno = 0;
    if (!m_device->flush())
        fail(errno);
#ifdef Q_OS_UNIX
    if (m_options.durable && ::fsync(m_device->handle()) != 0)
        fail(errno);
#endif
    if (auto* saveFile = qobject_cast<QSaveFile*>(m_device.get())) {
        errno = 0;
        if (!saveFile->commit())
            fail(errno);
        return;
    }
    m_device->close();
    if (m_device->error() != QFileDevice::NoError)
        fail(0);
}

void TextStream::write(const QByteArray& bytes)
{
    errno = 0;
    if (m_device->write(bytes) != bytes.size())
        fail(errno);
}

void TextStream::fail(int savedErrno) const
{
    throw PlatformError::fromNumber(
        ErrorTable::fromFileDevice(m_device->error(), savedErrno, ErrorTable::Subject::File));
}
