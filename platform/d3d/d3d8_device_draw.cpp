// Vertex input and drawing: FVF codes become attribute pointers at the
// fixed locations that d3d8_program.h documents.
#include "d3d/d3d8_local.h"
#include "d3d/d3dx8.h"

namespace d3d8 {

namespace {

enum EAttribute {
    ePosition = 0,
    eBlendWeights = 1,
    eBlendIndices = 2,
    eNormal = 3,
    ePointSize = 4,
    eDiffuse = 5,
    eSpecular = 6,
    eTexCoord0 = 7,
    eAttributeCount = 15
};

struct SElement {
    GLint m_nComponents = 0;  // 0: not in the format
    GLenum m_eType = GL_FLOAT;
    GLboolean m_bNormalised = GL_FALSE;
    UINT m_nOffset = 0;
};

UINT TexCoordComponents(DWORD fvf, UINT set)
{
    switch ((fvf >> (16 + set * 2)) & 3) {
    case D3DFVF_TEXTUREFORMAT1: return 1;
    case D3DFVF_TEXTUREFORMAT3: return 3;
    case D3DFVF_TEXTUREFORMAT4: return 4;
    default: return 2;
    }
}

// Walks the format in Direct3D's element order; returns the stride.
UINT Layout(DWORD fvf, SElement* elements)
{
    UINT offset = 0;
    auto add = [&](int attribute, GLint components, GLenum type, GLboolean normalised,
                   UINT bytes) {
        if (elements)
            elements[attribute] = {components, type, normalised, offset};
        offset += bytes;
    };
    DWORD position = fvf & D3DFVF_POSITION_MASK;
    if (position == D3DFVF_XYZRHW) {
        add(ePosition, 4, GL_FLOAT, GL_FALSE, 16);
    } else if (position != 0) {
        add(ePosition, 3, GL_FLOAT, GL_FALSE, 12);
        GLint betas = position >= D3DFVF_XYZB1 ? (GLint)(position - D3DFVF_XYZB1) / 2 + 1 : 0;
        bool packedIndices = (fvf & D3DFVF_LASTBETA_UBYTE4) && betas > 0;
        GLint weights = packedIndices ? betas - 1 : betas;
        if (weights > 0)
            add(eBlendWeights, weights, GL_FLOAT, GL_FALSE, 4 * weights);
        if (packedIndices)
            add(eBlendIndices, 4, GL_UNSIGNED_BYTE, GL_FALSE, 4);
    }
    if (fvf & D3DFVF_NORMAL)
        add(eNormal, 3, GL_FLOAT, GL_FALSE, 12);
    if (fvf & D3DFVF_PSIZE)
        add(ePointSize, 1, GL_FLOAT, GL_FALSE, 4);
    // D3DCOLOR is B, G, R, A in memory, which GL reads directly as GL_BGRA.
    if (fvf & D3DFVF_DIFFUSE)
        add(eDiffuse, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, 4);
    if (fvf & D3DFVF_SPECULAR)
        add(eSpecular, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, 4);
    UINT sets = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    for (UINT set = 0; set < sets && set < 8; ++set) {
        UINT components = TexCoordComponents(fvf, set);
        add(eTexCoord0 + set, components, GL_FLOAT, GL_FALSE, 4 * components);
    }
    return offset;
}

GLenum PrimitiveMode(D3DPRIMITIVETYPE type)
{
    switch (type) {
    case D3DPT_POINTLIST: return GL_POINTS;
    case D3DPT_LINELIST: return GL_LINES;
    case D3DPT_LINESTRIP: return GL_LINE_STRIP;
    case D3DPT_TRIANGLESTRIP: return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN: return GL_TRIANGLE_FAN;
    default: return GL_TRIANGLES;
    }
}

UINT IndexBytes(D3DFORMAT format)
{
    return format == D3DFMT_INDEX32 ? 4 : 2;
}

GLenum IndexType(D3DFORMAT format)
{
    return format == D3DFMT_INDEX32 ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
}

}  // namespace

// ---- input state --------------------------------------------------------------------

HRESULT CDevice::SetVertexShader(DWORD fvf)
{
    m_dwFvf = fvf;
    return D3D_OK;
}

HRESULT CDevice::GetVertexShader(DWORD* fvf)
{
    if (!fvf)
        return D3DERR_INVALIDCALL;
    *fvf = m_dwFvf;
    return D3D_OK;
}

HRESULT CDevice::SetStreamSource(UINT stream, IDirect3DVertexBuffer8* buffer, UINT stride)
{
    if (stream >= 16)
        return D3DERR_INVALIDCALL;
    m_Streams[stream] = {static_cast<CVertexBuffer*>(buffer), stride};
    return D3D_OK;
}

HRESULT CDevice::GetStreamSource(UINT stream, IDirect3DVertexBuffer8** buffer, UINT* stride)
{
    if (stream >= 16 || !buffer || !stride)
        return D3DERR_INVALIDCALL;
    *buffer = m_Streams[stream].m_pBuffer;
    *stride = m_Streams[stream].m_nStride;
    if (*buffer)
        (*buffer)->AddRef();
    return D3D_OK;
}

HRESULT CDevice::SetIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex)
{
    m_pIndices = static_cast<CIndexBuffer*>(buffer);
    m_nBaseVertex = baseVertexIndex;
    return D3D_OK;
}

HRESULT CDevice::GetIndices(IDirect3DIndexBuffer8** buffer, UINT* baseVertexIndex)
{
    if (!buffer || !baseVertexIndex)
        return D3DERR_INVALIDCALL;
    *buffer = m_pIndices;
    *baseVertexIndex = m_nBaseVertex;
    if (*buffer)
        (*buffer)->AddRef();
    return D3D_OK;
}

// ---- drawing ----------------------------------------------------------------------------

HRESULT CDevice::CheckDraw(D3DPRIMITIVETYPE type, UINT primitiveCount, UINT* vertexCount) const
{
    if (!m_bInScene || primitiveCount == 0 || (m_dwFvf & D3DFVF_POSITION_MASK) == 0)
        return D3DERR_INVALIDCALL;
    switch (type) {
    case D3DPT_POINTLIST: *vertexCount = primitiveCount; break;
    case D3DPT_LINELIST: *vertexCount = primitiveCount * 2; break;
    case D3DPT_LINESTRIP: *vertexCount = primitiveCount + 1; break;
    case D3DPT_TRIANGLELIST: *vertexCount = primitiveCount * 3; break;
    case D3DPT_TRIANGLESTRIP:
    case D3DPT_TRIANGLEFAN: *vertexCount = primitiveCount + 2; break;
    default: return D3DERR_INVALIDCALL;
    }
    return D3D_OK;
}

// The buffer holding the vertices must be bound to GL_ARRAY_BUFFER.
void CDevice::BindVertexFormat(const BYTE* base, UINT stride)
{
    SElement elements[eAttributeCount];
    Layout(m_dwFvf, elements);
    for (GLuint location = 0; location < eAttributeCount; ++location) {
        const SElement& e = elements[location];
        if (e.m_nComponents == 0) {
            glDisableVertexAttribArray(location);
            continue;
        }
        glEnableVertexAttribArray(location);
        glVertexAttribPointer(location, e.m_nComponents, e.m_eType, e.m_bNormalised, stride,
                              base + e.m_nOffset);
    }
}

const SProgram& CDevice::PrepareDraw(const BYTE* vertexBase, UINT stride)
{
    glBindVertexArray(m_nVao);
    BindVertexFormat(vertexBase, stride);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, DrawFramebuffer());
    ApplyPipelineStates();
    ApplySamplers();
    auto bound = m_Programs.find(m_nBoundProgram);
    const SProgram& program = bound != m_Programs.end() ? bound->second : m_FixedFunction;
    glUseProgram(program.m_nName);
    ApplyCommonUniforms(program);
    if (program.m_nName == m_FixedFunction.m_nName)
        ApplyFixedFunctionUniforms(program.m_nName);
    return program;
}

HRESULT CDevice::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount)
{
    UINT count;
    HRESULT hr = CheckDraw(type, primitiveCount, &count);
    const SStream& stream = m_Streams[0];
    if (FAILED(hr) || !stream.m_pBuffer || stream.m_nStride == 0)
        return D3DERR_INVALIDCALL;
    if ((startVertex + count) * stream.m_nStride > stream.m_pBuffer->Data().Size())
        return D3DERR_INVALIDCALL;
    SDrawSource source;
    source.m_pVertices = stream.m_pBuffer->Data().Data();
    source.m_nStride = stream.m_nStride;
    source.m_nFirstVertex = startVertex;
    source.m_nVertexCount = count;
    if (MergeDraw(type, source))
        return D3D_OK;
    FlushDraws();
    MakeCurrent();
    glBindBuffer(GL_ARRAY_BUFFER, stream.m_pBuffer->Data().Name());
    PrepareDraw(nullptr, stream.m_nStride);
    ++m_nDrawCalls;
    glDrawArrays(PrimitiveMode(type), startVertex, count);
    return D3D_OK;
}

HRESULT CDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices,
                                      UINT startIndex, UINT primitiveCount)
{
    UINT count;
    HRESULT hr = CheckDraw(type, primitiveCount, &count);
    const SStream& stream = m_Streams[0];
    if (FAILED(hr) || !stream.m_pBuffer || stream.m_nStride == 0 || !m_pIndices)
        return D3DERR_INVALIDCALL;
    UINT indexBytes = IndexBytes(m_pIndices->Format());
    if ((startIndex + count) * indexBytes > m_pIndices->Data().Size())
        return D3DERR_INVALIDCALL;
    // A range the vertex buffer does not hold only draws alone.
    const CBufferData& vertices = stream.m_pBuffer->Data();
    if (((uint64_t)m_nBaseVertex + minIndex + numVertices) * stream.m_nStride <= vertices.Size()) {
        SDrawSource source;
        source.m_pVertices = vertices.Data() + (size_t)m_nBaseVertex * stream.m_nStride;
        source.m_nStride = stream.m_nStride;
        source.m_nFirstVertex = minIndex;
        source.m_nVertexCount = numVertices;
        source.m_pIndices = m_pIndices->Data().Data() + (size_t)startIndex * indexBytes;
        source.m_nIndexBytes = indexBytes;
        source.m_nIndexCount = count;
        if (MergeDraw(type, source))
            return D3D_OK;
    }
    FlushDraws();
    MakeCurrent();
    glBindBuffer(GL_ARRAY_BUFFER, vertices.Name());
    PrepareDraw(nullptr, stream.m_nStride);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_pIndices->Data().Name());
    ++m_nDrawCalls;
    glDrawElementsBaseVertex(PrimitiveMode(type), count, IndexType(m_pIndices->Format()),
                             (const void*)(uintptr_t)(startIndex * indexBytes),
                             (GLint)m_nBaseVertex);
    return D3D_OK;
}

// Direct3D 8 leaves stream 0 (and, for indexed data, the index buffer)
// unset after a draw from user memory; callers rely on rebinding.
HRESULT CDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount,
                                 const void* vertexData, UINT stride)
{
    UINT count;
    HRESULT hr = CheckDraw(type, primitiveCount, &count);
    if (FAILED(hr) || !vertexData || stride == 0)
        return D3DERR_INVALIDCALL;
    m_Streams[0] = SStream();
    SDrawSource source;
    source.m_pVertices = static_cast<const BYTE*>(vertexData);
    source.m_nStride = stride;
    source.m_nVertexCount = count;
    if (MergeDraw(type, source))
        return D3D_OK;
    FlushDraws();
    MakeCurrent();
    const GLintptr offset = m_VertexStream.Write(vertexData, count * stride);
    glBindBuffer(GL_ARRAY_BUFFER, m_VertexStream.Name());
    PrepareDraw(reinterpret_cast<const BYTE*>(offset), stride);
    ++m_nDrawCalls;
    glDrawArrays(PrimitiveMode(type), 0, count);
    return D3D_OK;
}

HRESULT CDevice::DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE type, UINT minVertexIndex,
                                        UINT numVertices, UINT primitiveCount,
                                        const void* indexData, D3DFORMAT indexFormat,
                                        const void* vertexData, UINT stride)
{
    UINT count;
    HRESULT hr = CheckDraw(type, primitiveCount, &count);
    if (FAILED(hr) || !indexData || !vertexData || stride == 0 ||
        (indexFormat != D3DFMT_INDEX16 && indexFormat != D3DFMT_INDEX32))
        return D3DERR_INVALIDCALL;
    m_Streams[0] = SStream();
    m_pIndices = nullptr;
    SDrawSource source;
    source.m_pVertices = static_cast<const BYTE*>(vertexData);
    source.m_nStride = stride;
    source.m_nFirstVertex = minVertexIndex;
    source.m_nVertexCount = numVertices;
    source.m_pIndices = indexData;
    source.m_nIndexBytes = IndexBytes(indexFormat);
    source.m_nIndexCount = count;
    if (MergeDraw(type, source))
        return D3D_OK;
    FlushDraws();
    MakeCurrent();
    const GLintptr vertices = m_VertexStream.Write(vertexData, (minVertexIndex + numVertices) * stride);
    const GLintptr indices = m_IndexStream.Write(indexData, count * IndexBytes(indexFormat));
    glBindBuffer(GL_ARRAY_BUFFER, m_VertexStream.Name());
    PrepareDraw(reinterpret_cast<const BYTE*>(vertices), stride);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_IndexStream.Name());
    ++m_nDrawCalls;
    glDrawElements(PrimitiveMode(type), count, IndexType(indexFormat),
                   reinterpret_cast<const void*>(indices));
    return D3D_OK;
}

}  // namespace d3d8

UINT D3DXGetFVFVertexSize(DWORD fvf)
{
    return d3d8::Layout(fvf, nullptr);
}
