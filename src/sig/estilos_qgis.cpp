#include "sig/estilos_qgis.h"

#include <ogrsf_frmts.h>

#include <array>
#include <cstdio>

#include "model/numeros.h"
#include "sig/gdal_comun.h"

namespace abat {
namespace {

constexpr const char* nombre_estilo = "abatimientos";

// The document's start: QGIS's doctype, and the parts of a layer's style it sets.
std::string inicio(bool etiquetas) {
    return std::string(
               "<!DOCTYPE qgis PUBLIC 'http://mrcc.com/qgis.dtd' 'SYSTEM'>\n"
               "<qgis version=\"3.22.0\" styleCategories=\"") +
           (etiquetas ? "Symbology|Labeling\" labelsEnabled=\"1" : "Symbology") + "\">\n";
}

// "r,g,b,255", as QGIS writes a symbol's colour.
std::string rgba(std::uint32_t rgb) {
    return std::to_string((rgb >> 16) & 0xFF) + "," + std::to_string((rgb >> 8) & 0xFF) + "," +
           std::to_string(rgb & 0xFF) + ",255";
}

// "#rrggbb", as QGIS writes a ramp's colour.
std::string hexadecimal(std::uint32_t rgb) {
    std::array<char, 8> texto{};
    std::snprintf(texto.data(), texto.size(), "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return texto.data();
}

std::string propiedad(const std::string& clave, const std::string& valor) {
    return "          <prop k=\"" + clave + "\" v=\"" + valor + "\"/>\n";
}

// A marker of the map's: `forma` as QGIS names it, filled with `relleno`, edged with `borde`.
std::string marcador(const char* nombre, const char* forma, std::uint32_t relleno,
                     std::uint32_t borde, double angulo) {
    return std::string(R"(      <symbol type="marker" name=")") + nombre +
           "\" alpha=\"1\" clip_to_extent=\"1\" force_rhr=\"0\">\n"
           "        <layer class=\"SimpleMarker\" enabled=\"1\" locked=\"0\" pass=\"0\">\n" +
           propiedad("name", forma) + propiedad("angle", number_to_text(angulo)) +
           propiedad("color", rgba(relleno)) + propiedad("outline_color", rgba(borde)) +
           propiedad("outline_style", "solid") + propiedad("outline_width", "0.3") +
           propiedad("outline_width_unit", "MM") + propiedad("size", "3.4") +
           propiedad("size_unit", "MM") + propiedad("joinstyle", "miter") +
           "        </layer>\n      </symbol>\n";
}

// The labels of `campo`: black on a white halo, as the map writes them; `colocacion` the
// placement's attributes.
std::string etiquetas(const char* campo, const std::string& colocacion) {
    return std::string(
               "  <labeling type=\"simple\">\n"
               "    <settings calloutType=\"simple\">\n"
               "      <text-style fieldName=\"") +
           campo +
           "\" isExpression=\"0\" fontSize=\"8\" fontSizeUnit=\"Point\" "
           "textColor=\"0,0,0,255\" textOpacity=\"1\" fontWeight=\"50\" fontItalic=\"0\">\n"
           "        <text-buffer bufferDraw=\"1\" bufferSize=\"0.8\" bufferSizeUnits=\"MM\" "
           "bufferColor=\"255,255,255,255\" bufferOpacity=\"0.85\" bufferJoinStyle=\"128\" "
           "bufferNoFill=\"1\"/>\n"
           "      </text-style>\n"
           "      <text-format wrapChar=\"\" multilineAlign=\"0\"/>\n"
           "      <placement " +
           colocacion +
           "/>\n"
           "      <rendering obstacle=\"1\" upsidedownLabels=\"0\" scaleVisibility=\"0\" "
           "displayAll=\"0\"/>\n"
           "    </settings>\n"
           "  </labeling>\n";
}

// A point's name at its upper right, as the map writes it, or around it.
const std::string junto_al_punto =
    "placement=\"6\" predefinedPositionOrder=\"TR,TL,BR,BL,R,L,TSR,BSR\" dist=\"1\" "
    "distUnits=\"MM\"";

std::string clase_raster(const ClaseRaster& c, bool continuo, bool ultima) {
    const std::string etiqueta =
        continuo ? number_to_text(c.hasta)
                 : number_to_text(c.desde) + " - " + number_to_text(c.hasta) + " m";
    // A discrete ramp colours what lies up to each value; the last one takes all above.
    const std::string valor = !continuo && ultima ? "inf" : number_to_text(c.hasta);
    return R"(          <item alpha="255" value=")" + valor + "\" label=\"" + etiqueta +
           "\" color=\"" + hexadecimal(c.rgb) + "\"/>\n";
}

// One row of "layer_styles", as QGIS writes a default style.
bool fila_de_estilo(OGRLayer& estilos, const char* tabla, const char* geometria,
                    const std::string& qml) {
    OGRFeature f(estilos.GetLayerDefn());
    f.SetField("f_table_catalog", "");
    f.SetField("f_table_schema", "");
    f.SetField("f_table_name", tabla);
    f.SetField("f_geometry_column", geometria);
    f.SetField("styleName", nombre_estilo);
    f.SetField("styleQML", qml.c_str());
    f.SetField("styleSLD", "");
    f.SetField("useAsDefault", 1);
    f.SetField("description", "El mapa de abatimientos como lo dibuja el programa");
    f.SetField("owner", "");
    return estilos.CreateFeature(&f) == OGRERR_NONE;
}

// QGIS's own table: the same columns, widths and types as its GeoPackage provider makes.
OGRLayer* tabla_de_estilos(GDALDataset& d) {
    const std::array<const char*, 2> opciones = {"FID=id", nullptr};
    OGRLayer* capa =
        d.CreateLayer("layer_styles", nullptr, wkbNone, const_cast<char**>(opciones.data()));
    if (capa == nullptr) return nullptr;
    struct Campo {
        const char* nombre;
        OGRFieldType tipo;
        int ancho;
    };
    const std::array<Campo, 11> campos = {{{"f_table_catalog", OFTString, 256},
                                           {"f_table_schema", OFTString, 256},
                                           {"f_table_name", OFTString, 256},
                                           {"f_geometry_column", OFTString, 256},
                                           {"styleName", OFTString, 30},
                                           {"styleQML", OFTString, 0},
                                           {"styleSLD", OFTString, 0},
                                           {"useAsDefault", OFTInteger, 0},
                                           {"description", OFTString, 0},
                                           {"owner", OFTString, 30},
                                           {"ui", OFTString, 30}}};
    for (const Campo& c : campos) {
        OGRFieldDefn definicion(c.nombre, c.tipo);
        definicion.SetWidth(c.ancho);
        if (c.tipo == OFTInteger) definicion.SetSubType(OFSTBoolean);
        if (capa->CreateField(&definicion) != OGRERR_NONE) return nullptr;
    }
    OGRFieldDefn cuando("update_time", OFTDateTime);
    cuando.SetDefault("CURRENT_TIMESTAMP");
    if (capa->CreateField(&cuando) != OGRERR_NONE) return nullptr;
    return capa;
}

// The name of a layer's geometry column, as the style's row names it.
std::string columna_geometria(GDALDataset& d, const char* capa) {
    OGRLayer* l = d.GetLayerByName(capa);
    return l != nullptr ? l->GetGeometryColumn() : "geom";
}

}  // namespace

std::string qml_raster(const EstiloRaster& e) {
    std::string clases;
    for (size_t k = 0; k < e.clases.size(); ++k) {
        clases += clase_raster(e.clases[k], e.continuo, k + 1 == e.clases.size());
    }
    const std::string menor = e.clases.empty() ? "0" : number_to_text(e.clases.front().desde);
    const std::string mayor = e.clases.empty() ? "0" : number_to_text(e.clases.back().hasta);
    return inicio(false) +
           "  <pipe>\n"
           "    <rasterrenderer type=\"singlebandpseudocolor\" band=\"1\" opacity=\"1\" "
           "alphaBand=\"-1\" nodataColor=\"\" classificationMin=\"" +
           menor + "\" classificationMax=\"" + mayor +
           "\">\n"
           "      <rasterTransparency/>\n"
           "      <minMaxOrigin>\n"
           "        <limits>None</limits>\n"
           "        <extent>WholeRaster</extent>\n"
           "        <statAccuracy>Estimated</statAccuracy>\n"
           "        <cumulativeCutLower>0.02</cumulativeCutLower>\n"
           "        <cumulativeCutUpper>0.98</cumulativeCutUpper>\n"
           "        <stdDevFactor>2</stdDevFactor>\n"
           "      </minMaxOrigin>\n"
           "      <rastershader>\n"
           "        <colorrampshader colorRampType=\"" +
           (e.continuo ? "INTERPOLATED" : "DISCRETE") +
           R"(" classificationMode="1" clip="0" minimumValue=")" + menor + R"(" maximumValue=")" +
           mayor + "\">\n" + clases +
           "        </colorrampshader>\n"
           "      </rastershader>\n"
           "    </rasterrenderer>\n"
           "    <brightnesscontrast brightness=\"0\" contrast=\"0\" gamma=\"1\"/>\n"
           "    <rasterresampler maxOversampling=\"2\"/>\n"
           "  </pipe>\n"
           "  <blendMode>0</blendMode>\n"
           "</qgis>\n";
}

std::string qml_isolineas() {
    return inicio(true) +
           "  <renderer-v2 type=\"singleSymbol\" forceraster=\"0\" symbollevels=\"0\" "
           "enableorderby=\"0\">\n"
           "    <symbols>\n"
           "      <symbol type=\"line\" name=\"0\" alpha=\"1\" clip_to_extent=\"1\" "
           "force_rhr=\"0\">\n"
           "        <layer class=\"SimpleLine\" enabled=\"1\" locked=\"0\" pass=\"0\">\n" +
           propiedad("line_color", "48,48,48,255") + propiedad("line_style", "solid") +
           propiedad("line_width", "0.25") + propiedad("line_width_unit", "MM") +
           propiedad("capstyle", "round") + propiedad("joinstyle", "round") +
           "        </layer>\n"
           "      </symbol>\n"
           "    </symbols>\n"
           "  </renderer-v2>\n" +
           // Along the line, upright, repeated along the long ones, as the map writes the levels.
           etiquetas("abatimiento",
                     "placement=\"2\" placementFlags=\"9\" dist=\"0\" distUnits=\"MM\" "
                     "repeatDistance=\"80\" repeatDistanceUnit=\"MM\"") +
           "</qgis>\n";
}

std::string qml_pozos() {
    return inicio(true) +
           "  <renderer-v2 type=\"RuleRenderer\" forceraster=\"0\" symbollevels=\"0\" "
           "enableorderby=\"0\">\n"
           "    <rules key=\"pozos\">\n"
           "      <rule key=\"inyeccion\" symbol=\"0\" label=\"Pozo de inyección\" "
           "filter=\"&quot;caudal&quot; &lt; 0\"/>\n"
           "      <rule key=\"parado\" symbol=\"2\" label=\"Pozo parado\" "
           "filter=\"&quot;caudal&quot; = 0\"/>\n"
           "      <rule key=\"bombeo\" symbol=\"1\" label=\"Pozo de bombeo\" filter=\"ELSE\"/>\n"
           "    </rules>\n"
           "    <symbols>\n" +
           marcador("0", "triangle", 0x1F4EB4, 0xFFFFFF, 180) +
           marcador("1", "triangle", 0xE41A1C, 0xFFFFFF, 0) +
           marcador("2", "triangle", 0x808080, 0xFFFFFF, 0) +
           "    </symbols>\n"
           "  </renderer-v2>\n" +
           etiquetas("nombre", junto_al_punto) + "</qgis>\n";
}

// A line of the map's: `ancho` mm of `color`.
std::string linea(const char* nombre, std::uint32_t color, const char* ancho) {
    return std::string(R"(      <symbol type="line" name=")") + nombre +
           "\" alpha=\"1\" clip_to_extent=\"1\" force_rhr=\"0\">\n"
           "        <layer class=\"SimpleLine\" enabled=\"1\" locked=\"0\" pass=\"0\">\n" +
           propiedad("line_color", rgba(color)) + propiedad("line_style", "solid") +
           propiedad("line_width", ancho) + propiedad("line_width_unit", "MM") +
           propiedad("capstyle", "square") + propiedad("joinstyle", "miter") +
           "        </layer>\n      </symbol>\n";
}

std::string qml_limites() {
    return inicio(false) +
           "  <renderer-v2 type=\"RuleRenderer\" forceraster=\"0\" symbollevels=\"0\" "
           "enableorderby=\"0\">\n"
           "    <rules key=\"limites\">\n"
           "      <rule key=\"recarga\" symbol=\"0\" label=\"Recarga\" "
           "filter=\"&quot;tipo&quot; = 'recarga'\"/>\n"
           "      <rule key=\"barrera\" symbol=\"1\" label=\"Barrera\" filter=\"ELSE\"/>\n"
           "    </rules>\n"
           "    <symbols>\n" +
           // The colours of the plan chart and the map: a river blue, a barrier dark grey.
           linea("0", 0x1F78B4, "0.8") + linea("1", 0x404040, "1.2") +
           "    </symbols>\n"
           "  </renderer-v2>\n"
           "</qgis>\n";
}

std::string qml_puntos() {
    return inicio(true) +
           "  <renderer-v2 type=\"singleSymbol\" forceraster=\"0\" symbollevels=\"0\" "
           "enableorderby=\"0\">\n"
           "    <symbols>\n" +
           marcador("0", "diamond", 0xFFFFFF, 0x000000, 0) +
           "    </symbols>\n"
           "  </renderer-v2>\n" +
           etiquetas("nombre", junto_al_punto) + "</qgis>\n";
}

bool escribir_estilos(GDALDataset& d, const EstiloRaster& raster) {
    const std::string pozos = columna_geometria(d, "pozos");
    const std::string puntos = columna_geometria(d, "puntos");
    const std::string isolineas = columna_geometria(d, "isolineas");
    const std::string limites = columna_geometria(d, "limites");
    OGRLayer* estilos = tabla_de_estilos(d);
    return estilos != nullptr && fila_de_estilo(*estilos, "pozos", pozos.c_str(), qml_pozos()) &&
           fila_de_estilo(*estilos, "puntos", puntos.c_str(), qml_puntos()) &&
           fila_de_estilo(*estilos, "isolineas", isolineas.c_str(), qml_isolineas()) &&
           (d.GetLayerByName("limites") == nullptr ||
            fila_de_estilo(*estilos, "limites", limites.c_str(), qml_limites())) &&
           (raster.clases.empty() ||
            fila_de_estilo(*estilos, "abatimiento", "", qml_raster(raster)));
}

}  // namespace abat
