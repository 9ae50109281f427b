#include "platform/storage/CompoundFileWriter.h"

#include "platform/storage/GsfSupport.h"
#include "platform/storage/StorageError.h"

#include <cerrno>
#include <unistd.h>

CompoundFileWriter::CompoundFileWriter(int fd)
{
    EnsureGsfInitialized();
    // A duplicate descriptor for the stdio stream, so that closing the stream leaves the caller's open.
    const int own = dup(fd);
    if (own < 0 || !(m_file = fdopen(own, "wb"))) {
        const int err = errno;
        if (own >= 0)
            close(own);
        throw StorageError(StorageErrorCodeFromErrno(err), "cannot write the compound file", err);
    }
    m_sink.reset(gsf_output_stdio_new_FILE("compound file", m_file, TRUE));
    m_root.reset(gsf_outfile_msole_new(m_sink.get()));
}

CompoundFileWriter::~CompoundFileWriter()
{
    m_root.reset();
    m_sink.reset();
    if (m_file)
        fclose(m_file);
}

void CompoundFileWriter::SetClassId(const StorageClassId& classId)
{
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(m_root.get()), classId.data());
}

void CompoundFileWriter::WriteStream(const std::string& name, const QByteArray& bytes)
{
    WriteStreamInto(m_root.get(), {name, bytes});
}

void CompoundFileWriter::WriteStorage(const StorageTree& storage)
{
    WriteStorageInto(m_root.get(), storage);
}

void CompoundFileWriter::WriteTree(const StorageTree& root)
{
    SetClassId(root.classId);
    WriteChildren(m_root.get(), root);
}

void CompoundFileWriter::WriteStreamInto(GsfOutfile* parent, const StorageStream& stream)
{
    GsfHandle<GsfOutput> child(gsf_outfile_new_child(parent, stream.name.c_str(), FALSE));
    if (!child)
        ThrowWriteError("cannot create stream '" + stream.name + "'");
    const bool written =
        stream.bytes.isEmpty() || gsf_output_write(child.get(), std::size_t(stream.bytes.size()),
                                                   reinterpret_cast<const guint8*>(stream.bytes.constData()));
    if (!written || !gsf_output_close(child.get()))
        ThrowWriteError("cannot write stream '" + stream.name + "'");
}

void CompoundFileWriter::WriteStorageInto(GsfOutfile* parent, const StorageTree& storage)
{
    GsfHandle<GsfOutput> child(gsf_outfile_new_child(parent, storage.name.c_str(), TRUE));
    if (!child)
        ThrowWriteError("cannot create storage '" + storage.name + "'");
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(child.get()), storage.classId.data());
    WriteChildren(GSF_OUTFILE(child.get()), storage);
    if (!gsf_output_close(child.get()))
        ThrowWriteError("cannot write storage '" + storage.name + "'");
}

void CompoundFileWriter::WriteChildren(GsfOutfile* storage, const StorageTree& tree)
{
    for (const StorageStream& stream : tree.streams)
        WriteStreamInto(storage, stream);
    for (const StorageTree& sub : tree.storages)
        WriteStorageInto(storage, sub);
}

void CompoundFileWriter::Close()
{
    if (!m_file)
        return;
    errno = 0;
    const bool rootClosed = gsf_output_close(GSF_OUTPUT(m_root.get()));
    m_root.reset();
    // Closing the root normally closes the sink too.
    const bool sinkClosed = gsf_output_is_closed(m_sink.get()) || gsf_output_close(m_sink.get());
    m_sink.reset();
    const bool flushed = fflush(m_file) == 0 && !ferror(m_file);
    const int err = errno;
    const bool fileClosed = fclose(m_file) == 0;
    m_file = nullptr;
    if (!rootClosed || !sinkClosed || !flushed || !fileClosed)
        throw StorageError(err ? StorageErrorCodeFromErrno(err) : StorageErrorCode::HardIO,
                           "cannot finish the compound file", err);
}

void CompoundFileWriter::ThrowWriteError(const std::string& what) const
{
    const int err = ferror(m_file) ? errno : 0;
    const GError* error = gsf_output_error(m_sink.get());
    const std::string detail = error && error->message ? std::string(": ") + error->message : std::string();
    throw StorageError(err ? StorageErrorCodeFromErrno(err) : StorageErrorCode::HardIO, what + detail, err);
}
