// GUI geometry (pre-transformed, coloured, textured) and the render queue's
// default effect: texture x vertex colour, blended, no depth, drawn in
// queue order.
string ContainerName = "nosort";
texture vantile_texchannel0;

technique Gui {
    pass P0 {
        Lighting = false;
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        texture 0 = vantile_texchannel0;
        sampler 0 MinFilter = Linear;
        sampler 0 MagFilter = Linear;
        vertex {
            out vec4 v_Diffuse;
            out vec2 v_TexCoord;
            void main()
            {
                gl_Position = d3d_TransformPosition(a_Position);
                v_Diffuse = a_Diffuse;
                v_TexCoord = a_TexCoord0.xy;
            }
        }
        fragment {
            in vec4 v_Diffuse;
            in vec2 v_TexCoord;
            void main()
            {
                vec4 texel = u_TextureBound0 != 0 ? texture(u_Texture0, v_TexCoord) : vec4(1.0);
                o_Color = texel * v_Diffuse;
            }
        }
    }
}
