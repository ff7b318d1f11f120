// Sprites, sprite batches and the final screen quad: texture x vertex
// colour, and the alpha further scaled by the texture factor's alpha, which
// carries a sprite's opacity. Layering is by draw order, so no depth.
string ContainerName = "nosort";
texture vantile_texchannel0;

technique Sprite {
    pass P0 {
        Lighting = false;
        ZEnable = false;
        ZWriteEnable = false;
        CullMode = None;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        texture 0 = vantile_texchannel0;
        sampler 0 MinFilter = Point;
        sampler 0 MagFilter = Point;
        vertex {
            out vec4 v_Diffuse;
            out vec2 v_TexCoord;
            void main()
            {
                gl_Position = d3d_TransformPosition(a_Position);
                // The screen quad is the one pre-transformed user and has no
                // colour; a missing colour is white as in fixed function.
                v_Diffuse = u_PreTransformed != 0 ? vec4(1.0) : a_Diffuse;
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
                o_Color.a *= u_TextureFactor.a;
                // The screen quad shows an X8R8G8B8 frame: its fourth byte
                // is whatever blending into the frame left there, not an
                // alpha, so the frame is drawn opaque.
                if (u_PreTransformed != 0)
                    o_Color.a = 1.0;
            }
        }
    }
}
