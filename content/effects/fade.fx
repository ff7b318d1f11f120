// The screen fader: one colour, the texture factor the fade node sets,
// blended over everything.
string ContainerName = "nosort";

technique Fade {
    pass P0 {
        Lighting = false;
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        vertex {
            void main() { gl_Position = d3d_TransformPosition(a_Position); }
        }
        fragment {
            void main() { o_Color = u_TextureFactor; }
        }
    }
}
