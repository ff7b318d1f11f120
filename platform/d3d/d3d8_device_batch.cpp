// Merged draws. A driver pays far more per draw call (state validation,
// uniforms, set-up of the rasteriser) than for a sprite's four vertices,
// and the board, the HUD and the GUI draw hundreds of small quads with the
// same texture, effect and states. So consecutive triangle lists that
// differ only in their vertices and world transform are held back and
// drawn as one list when a draw that cannot join them comes, or anything
// that reads or changes what they draw with.
//
// Each vertex keeps its own coordinates and carries the number of its
// draw, which picks that draw's world x view x projection in the vertex
// prelude, so the GPU does the very arithmetic of separate draws and the
// pixels stay the same. Only programs that do not read u_World take part;
// the fixed-function program lights with it and always draws alone.
// Merging ends where the draws' states differ, so the order of drawing
// (and of blending) is the callers' own.
#include "d3d/d3d8_local.h"

#include <cstring>

namespace d3d8 {

namespace {

// Bigger meshes draw from their own buffers rather than being copied.
const UINT kMaxMergedVertices = 1024;
const GLuint kDrawIndexLocation = 15;

UINT IndexAt(const SDrawSource& source, UINT i)
{
    if (source.m_nIndexBytes == 4)
        return static_cast<const uint32_t*>(source.m_pIndices)[i];
    return static_cast<const uint16_t*>(source.m_pIndices)[i];
}

// An index outside the range the caller named is the caller's fault; drawn
// alone, it reads what the driver makes of it, as before.
bool IndicesInRange(const SDrawSource& source)
{
    for (UINT i = 0; source.m_pIndices && i < source.m_nIndexCount; ++i) {
        const UINT index = IndexAt(source, i);
        if (index < source.m_nFirstVertex || index - source.m_nFirstVertex >= source.m_nVertexCount)
            return false;
    }
    return true;
}

}  // namespace

bool CDevice::Mergeable(D3DPRIMITIVETYPE type, const SDrawSource& source) const
{
    const DWORD position = m_dwFvf & D3DFVF_POSITION_MASK;
    if (type != D3DPT_TRIANGLELIST || source.m_nVertexCount > kMaxMergedVertices ||
        (position != D3DFVF_XYZ && position != D3DFVF_XYZRHW))
        return false;
    // The vertex prelude reads u_WorldViewProj from the per-draw array; a
    // fragment stage reading it would see one draw's only.
    auto bound = m_Programs.find(m_nBoundProgram);
    return bound != m_Programs.end() && bound->second.m_World < 0 && bound->second.m_WorldViewProj < 0 &&
           IndicesInRange(source);
}

bool CDevice::MergeDraw(D3DPRIMITIVETYPE type, const SDrawSource& source)
{
    if (!Mergeable(type, source))
        return false;
    if (m_Batch.m_bOpen &&
        (m_Batch.m_nStride != source.m_nStride || m_Batch.m_WorldViewProjs.size() == D3D8_DRAW_SLOTS ||
         !SameDrawState(m_Batch.m_State)))
        FlushDraws();
    if (!m_Batch.m_bOpen) {
        m_Batch.m_bOpen = true;
        m_Batch.m_nStride = source.m_nStride;
        CaptureDrawState(&m_Batch.m_State);
        m_Batch.m_Vertices.clear();
        m_Batch.m_DrawIndices.clear();
        m_Batch.m_Indices.clear();
        m_Batch.m_WorldViewProjs.clear();
    }
    AppendToBatch(source);
    return true;
}

void CDevice::AppendToBatch(const SDrawSource& source)
{
    const UINT stride = source.m_nStride;
    const GLuint base = GLuint(m_Batch.m_DrawIndices.size());
    const BYTE* first = source.m_pVertices + size_t(source.m_nFirstVertex) * stride;
    m_Batch.m_Vertices.insert(m_Batch.m_Vertices.end(), first, first + size_t(source.m_nVertexCount) * stride);
    const GLushort draw = GLushort(m_Batch.m_WorldViewProjs.size());
    m_Batch.m_DrawIndices.insert(m_Batch.m_DrawIndices.end(), source.m_nVertexCount, draw);
    // As ApplyCommonUniforms multiplies them for a draw of its own.
    m_Batch.m_WorldViewProjs.push_back(MultiplyMatrices(
        MultiplyMatrices(TransformOf(D3DTS_WORLD), TransformOf(D3DTS_VIEW)), TransformOf(D3DTS_PROJECTION)));
    if (!source.m_pIndices) {
        for (UINT i = 0; i < source.m_nVertexCount; ++i)
            m_Batch.m_Indices.push_back(base + i);
        return;
    }
    for (UINT i = 0; i < source.m_nIndexCount; ++i)
        m_Batch.m_Indices.push_back(base + IndexAt(source, i) - source.m_nFirstVertex);
}

void CDevice::FlushDraws()
{
    if (!m_Batch.m_bOpen)
        return;
    m_Batch.m_bOpen = false;
    // The states may have moved on since the batch's last draw (an effect
    // restores its states after each item); draw with the batch's own.
    if (SameDrawState(m_Batch.m_State)) {
        DrawBatch();
        return;
    }
    SDrawState current;
    CaptureDrawState(&current);
    RestoreDrawState(m_Batch.m_State);
    DrawBatch();
    RestoreDrawState(current);
}

// The vertices and their draw numbers go in one write, so both sit in the
// same storage of the stream buffer.
void CDevice::DrawBatch()
{
    MakeCurrent();
    std::vector<BYTE>& block = m_Batch.m_Vertices;
    const size_t vertexBytes = (block.size() + 3) & ~size_t(3);
    block.resize(vertexBytes + m_Batch.m_DrawIndices.size() * sizeof(GLushort));
    std::memcpy(&block[vertexBytes], m_Batch.m_DrawIndices.data(), m_Batch.m_DrawIndices.size() * sizeof(GLushort));
    const GLintptr vertices = m_VertexStream.Write(block.data(), (UINT)block.size());
    const GLintptr indices = m_IndexStream.Write(m_Batch.m_Indices.data(),
                                                 (UINT)(m_Batch.m_Indices.size() * sizeof(GLuint)));
    glBindBuffer(GL_ARRAY_BUFFER, m_VertexStream.Name());
    const SProgram& program = PrepareDraw(reinterpret_cast<const BYTE*>(vertices), m_Batch.m_nStride);
    glUniformMatrix4fv(program.m_WorldViewProjs, (GLsizei)m_Batch.m_WorldViewProjs.size(), GL_FALSE,
                       &m_Batch.m_WorldViewProjs[0]._11);
    glEnableVertexAttribArray(kDrawIndexLocation);
    glVertexAttribPointer(kDrawIndexLocation, 1, GL_UNSIGNED_SHORT, GL_FALSE, 0,
                          reinterpret_cast<const void*>(vertices + vertexBytes));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_IndexStream.Name());
    ++m_nDrawCalls;
    glDrawElements(GL_TRIANGLES, (GLsizei)m_Batch.m_Indices.size(), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(indices));
    // Draws of their own read the default 0.
    glDisableVertexAttribArray(kDrawIndexLocation);
}

// ---- the state a batch draws with ------------------------------------------------------

void CDevice::CaptureDrawState(SDrawState* state) const
{
    std::memcpy(state->m_RenderStates, m_RenderStates, sizeof(m_RenderStates));
    std::memcpy(state->m_StageStates, m_StageStates, sizeof(m_StageStates));
    std::memcpy(state->m_pTextures, m_pTextures, sizeof(m_pTextures));
    state->m_View = TransformOf(D3DTS_VIEW);
    state->m_Projection = TransformOf(D3DTS_PROJECTION);
    state->m_Viewport = m_Viewport;
    state->m_nProgram = m_nBoundProgram;
    state->m_dwFvf = m_dwFvf;
}

void CDevice::RestoreDrawState(const SDrawState& state)
{
    std::memcpy(m_RenderStates, state.m_RenderStates, sizeof(m_RenderStates));
    std::memcpy(m_StageStates, state.m_StageStates, sizeof(m_StageStates));
    std::memcpy(m_pTextures, state.m_pTextures, sizeof(m_pTextures));
    m_Transforms[D3DTS_VIEW] = state.m_View;
    m_Transforms[D3DTS_PROJECTION] = state.m_Projection;
    m_Viewport = state.m_Viewport;
    m_nBoundProgram = state.m_nProgram;
    m_dwFvf = state.m_dwFvf;
}

bool CDevice::SameDrawState(const SDrawState& state) const
{
    if (state.m_nProgram != m_nBoundProgram || state.m_dwFvf != m_dwFvf ||
        std::memcmp(&state.m_Viewport, &m_Viewport, sizeof(m_Viewport)) != 0 ||
        std::memcmp(state.m_pTextures, m_pTextures, sizeof(m_pTextures)) != 0 ||
        std::memcmp(state.m_RenderStates, m_RenderStates, sizeof(m_RenderStates)) != 0 ||
        std::memcmp(state.m_StageStates, m_StageStates, sizeof(m_StageStates)) != 0)
        return false;
    const D3DMATRIX view = TransformOf(D3DTS_VIEW), projection = TransformOf(D3DTS_PROJECTION);
    return std::memcmp(&view, &state.m_View, sizeof(view)) == 0 &&
           std::memcmp(&projection, &state.m_Projection, sizeof(projection)) == 0;
}

}  // namespace d3d8
