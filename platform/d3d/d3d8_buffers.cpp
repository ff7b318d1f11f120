// Vertex and index buffers. The CPU copy is kept because Direct3D lets a
// caller lock and read a buffer back at any time, and draws of indexed
// user data need the indices on the CPU side anyway.
#include "d3d/d3d8_local.h"

#include <algorithm>
#include <cstring>

namespace d3d8 {

CBufferData::CBufferData(CDevice* device, UINT size) : m_pDevice(device), m_Bytes(size, 0)
{
    m_pDevice->MakeCurrent();
    glGenBuffers(1, &m_nName);
    // Index buffers are bound through the VAO; uploading through
    // GL_COPY_WRITE_BUFFER leaves whatever VAO is current untouched.
    glBindBuffer(GL_COPY_WRITE_BUFFER, m_nName);
    glBufferData(GL_COPY_WRITE_BUFFER, size, m_Bytes.data(), GL_DYNAMIC_DRAW);
}

CBufferData::~CBufferData()
{
    m_pDevice->MakeCurrent();
    glDeleteBuffers(1, &m_nName);
}

HRESULT CBufferData::Lock(UINT offset, UINT size, BYTE** data, DWORD flags)
{
    if (!data || m_bLocked || offset > m_Bytes.size())
        return D3DERR_INVALIDCALL;
    // Size 0 locks the whole buffer from the offset, as Direct3D does.
    if (size == 0)
        size = (UINT)m_Bytes.size() - offset;
    if (offset + size > m_Bytes.size())
        return D3DERR_INVALIDCALL;
    m_bLocked = true;
    m_nLockOffset = offset;
    m_nLockSize = (flags & D3DLOCK_READONLY) ? 0 : size;
    *data = m_Bytes.data() + offset;
    return D3D_OK;
}

HRESULT CBufferData::Unlock()
{
    if (!m_bLocked)
        return D3DERR_INVALIDCALL;
    m_bLocked = false;
    if (m_nLockSize == 0)
        return D3D_OK;
    m_pDevice->MakeCurrent();
    glBindBuffer(GL_COPY_WRITE_BUFFER, m_nName);
    glBufferSubData(GL_COPY_WRITE_BUFFER, m_nLockOffset, m_nLockSize, m_Bytes.data() + m_nLockOffset);
    return D3D_OK;
}

// ---- stream buffers -----------------------------------------------------------------

namespace {

// Room for a few frames of sprites before the first orphaning.
const GLsizeiptr kStreamCapacity = 1 << 20;

}  // namespace

void CStreamBuffer::Create()
{
    glGenBuffers(1, &m_nName);
    m_nCapacity = 0;
    m_nOffset = 0;
}

void CStreamBuffer::Destroy()
{
    glDeleteBuffers(1, &m_nName);
    m_nName = 0;
}

GLintptr CStreamBuffer::Write(const void* data, UINT bytes)
{
    glBindBuffer(GL_COPY_WRITE_BUFFER, m_nName);
    if (m_nOffset + (GLsizeiptr)bytes > m_nCapacity) {
        // Fresh storage; draws still reading the old one keep it alive.
        m_nCapacity = std::max<GLsizeiptr>(kStreamCapacity, bytes);
        glBufferData(GL_COPY_WRITE_BUFFER, m_nCapacity, nullptr, GL_STREAM_DRAW);
        m_nOffset = 0;
    }
    const GLintptr offset = m_nOffset;
    void* target = glMapBufferRange(GL_COPY_WRITE_BUFFER, offset, bytes,
                                    GL_MAP_WRITE_BIT | GL_MAP_UNSYNCHRONIZED_BIT |
                                        GL_MAP_INVALIDATE_RANGE_BIT);
    if (target) {
        std::memcpy(target, data, bytes);
        glUnmapBuffer(GL_COPY_WRITE_BUFFER);
    } else {
        glBufferSubData(GL_COPY_WRITE_BUFFER, offset, bytes, data);
    }
    // Every vertex format's attributes stay aligned at a 16-byte start.
    m_nOffset += (bytes + 15) & ~GLintptr(15);
    return offset;
}

// ---- vertex and index buffers -----------------------------------------------------

template <class TInterface, class TDesc, D3DRESOURCETYPE eType>
CBuffer<TInterface, TDesc, eType>::CBuffer(CDevice* device, const TDesc& desc)
    : CDeviceChild<TInterface>(device), m_Desc(desc), m_Data(device, desc.Size)
{
    device->ResourceCreated(desc.Pool);
}

template <class TInterface, class TDesc, D3DRESOURCETYPE eType>
CBuffer<TInterface, TDesc, eType>::~CBuffer()
{
    this->m_pDevice->Forget(this);
    this->m_pDevice->ResourceDestroyed(m_Desc.Pool);
}

template <class TInterface, class TDesc, D3DRESOURCETYPE eType>
HRESULT CBuffer<TInterface, TDesc, eType>::GetDesc(TDesc* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = m_Desc;
    return D3D_OK;
}

template class CBuffer<IDirect3DVertexBuffer8, D3DVERTEXBUFFER_DESC, D3DRTYPE_VERTEXBUFFER>;
template class CBuffer<IDirect3DIndexBuffer8, D3DINDEXBUFFER_DESC, D3DRTYPE_INDEXBUFFER>;

}  // namespace d3d8
