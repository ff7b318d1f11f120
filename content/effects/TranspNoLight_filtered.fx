// Filtered sprites (the partner logo, the frozen-time overlay). The overlay
// is made with vertex colour 0, so this effect ignores the vertex colour:
// texture colour, alpha = texture alpha x the texture factor's alpha.
string ContainerName = "nosort";
texture vantile_texchannel0;

technique FilteredSprite {
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
            out vec2 v_TexCoord;
            void main()
            {
                gl_Position = d3d_TransformPosition(a_Position);
                v_TexCoord = a_TexCoord0.xy;
            }
        }
        fragment {
            in vec2 v_TexCoord;
            void main()
            {
                vec4 texel = u_TextureBound0 != 0 ? texture(u_Texture0, v_TexCoord) : vec4(1.0);
                o_Color = vec4(texel.rgb, texel.a * u_TextureFactor.a);
            }
        }
    }
}
