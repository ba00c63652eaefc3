-- Behavioural model of the 1024 x 18 block RAM primitive: initial contents from the INIT and
-- INITP generics, synchronous read and write on the rising clock edge while enabled.
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;

entity RAMB16_S18 is
    generic (INIT       : bit_vector(17 downto 0) := (others => '0');
             SRVAL      : bit_vector(17 downto 0) := (others => '0');
             WRITE_MODE : string := "WRITE_FIRST";
             INIT_00    : bit_vector(255 downto 0) := (others => '0');
             INIT_01    : bit_vector(255 downto 0) := (others => '0');
             INIT_02    : bit_vector(255 downto 0) := (others => '0');
             INIT_03    : bit_vector(255 downto 0) := (others => '0');
             INIT_04    : bit_vector(255 downto 0) := (others => '0');
             INIT_05    : bit_vector(255 downto 0) := (others => '0');
             INIT_06    : bit_vector(255 downto 0) := (others => '0');
             INIT_07    : bit_vector(255 downto 0) := (others => '0');
             INIT_08    : bit_vector(255 downto 0) := (others => '0');
             INIT_09    : bit_vector(255 downto 0) := (others => '0');
             INIT_0A    : bit_vector(255 downto 0) := (others => '0');
             INIT_0B    : bit_vector(255 downto 0) := (others => '0');
             INIT_0C    : bit_vector(255 downto 0) := (others => '0');
             INIT_0D    : bit_vector(255 downto 0) := (others => '0');
             INIT_0E    : bit_vector(255 downto 0) := (others => '0');
             INIT_0F    : bit_vector(255 downto 0) := (others => '0');
             INIT_10    : bit_vector(255 downto 0) := (others => '0');
             INIT_11    : bit_vector(255 downto 0) := (others => '0');
             INIT_12    : bit_vector(255 downto 0) := (others => '0');
             INIT_13    : bit_vector(255 downto 0) := (others => '0');
             INIT_14    : bit_vector(255 downto 0) := (others => '0');
             INIT_15    : bit_vector(255 downto 0) := (others => '0');
             INIT_16    : bit_vector(255 downto 0) := (others => '0');
             INIT_17    : bit_vector(255 downto 0) := (others => '0');
             INIT_18    : bit_vector(255 downto 0) := (others => '0');
             INIT_19    : bit_vector(255 downto 0) := (others => '0');
             INIT_1A    : bit_vector(255 downto 0) := (others => '0');
             INIT_1B    : bit_vector(255 downto 0) := (others => '0');
             INIT_1C    : bit_vector(255 downto 0) := (others => '0');
             INIT_1D    : bit_vector(255 downto 0) := (others => '0');
             INIT_1E    : bit_vector(255 downto 0) := (others => '0');
             INIT_1F    : bit_vector(255 downto 0) := (others => '0');
             INIT_20    : bit_vector(255 downto 0) := (others => '0');
             INIT_21    : bit_vector(255 downto 0) := (others => '0');
             INIT_22    : bit_vector(255 downto 0) := (others => '0');
             INIT_23    : bit_vector(255 downto 0) := (others => '0');
             INIT_24    : bit_vector(255 downto 0) := (others => '0');
             INIT_25    : bit_vector(255 downto 0) := (others => '0');
             INIT_26    : bit_vector(255 downto 0) := (others => '0');
             INIT_27    : bit_vector(255 downto 0) := (others => '0');
             INIT_28    : bit_vector(255 downto 0) := (others => '0');
             INIT_29    : bit_vector(255 downto 0) := (others => '0');
             INIT_2A    : bit_vector(255 downto 0) := (others => '0');
             INIT_2B    : bit_vector(255 downto 0) := (others => '0');
             INIT_2C    : bit_vector(255 downto 0) := (others => '0');
             INIT_2D    : bit_vector(255 downto 0) := (others => '0');
             INIT_2E    : bit_vector(255 downto 0) := (others => '0');
             INIT_2F    : bit_vector(255 downto 0) := (others => '0');
             INIT_30    : bit_vector(255 downto 0) := (others => '0');
             INIT_31    : bit_vector(255 downto 0) := (others => '0');
             INIT_32    : bit_vector(255 downto 0) := (others => '0');
             INIT_33    : bit_vector(255 downto 0) := (others => '0');
             INIT_34    : bit_vector(255 downto 0) := (others => '0');
             INIT_35    : bit_vector(255 downto 0) := (others => '0');
             INIT_36    : bit_vector(255 downto 0) := (others => '0');
             INIT_37    : bit_vector(255 downto 0) := (others => '0');
             INIT_38    : bit_vector(255 downto 0) := (others => '0');
             INIT_39    : bit_vector(255 downto 0) := (others => '0');
             INIT_3A    : bit_vector(255 downto 0) := (others => '0');
             INIT_3B    : bit_vector(255 downto 0) := (others => '0');
             INIT_3C    : bit_vector(255 downto 0) := (others => '0');
             INIT_3D    : bit_vector(255 downto 0) := (others => '0');
             INIT_3E    : bit_vector(255 downto 0) := (others => '0');
             INIT_3F    : bit_vector(255 downto 0) := (others => '0');
             INITP_00   : bit_vector(255 downto 0) := (others => '0');
             INITP_01   : bit_vector(255 downto 0) := (others => '0');
             INITP_02   : bit_vector(255 downto 0) := (others => '0');
             INITP_03   : bit_vector(255 downto 0) := (others => '0');
             INITP_04   : bit_vector(255 downto 0) := (others => '0');
             INITP_05   : bit_vector(255 downto 0) := (others => '0');
             INITP_06   : bit_vector(255 downto 0) := (others => '0');
             INITP_07   : bit_vector(255 downto 0) := (others => '0'));
    port (DO   : out std_logic_vector(15 downto 0);
          DOP  : out std_logic_vector(1 downto 0);
          ADDR : in  std_logic_vector(9 downto 0);
          CLK  : in  std_ulogic;
          DI   : in  std_logic_vector(15 downto 0);
          DIP  : in  std_logic_vector(1 downto 0);
          EN   : in  std_ulogic;
          SSR  : in  std_ulogic;
          WE   : in  std_ulogic);
end entity RAMB16_S18;

architecture behavioural of RAMB16_S18 is

    type row_array is array (natural range <>) of bit_vector(255 downto 0);
    type word_array is array (0 to 1023) of std_logic_vector(17 downto 0);

    -- INIT_xx holds words 16*xx to 16*xx+15, INITP_xx the parity bits of words 128*xx to
    -- 128*xx+127; in both the lowest word sits in the least significant bits.
    function initial_contents(data : row_array; parity : row_array) return word_array is
        variable words : word_array;
        variable d, p  : natural;
    begin
        for w in words'range loop
            d        := 16 * (w mod 16);
            p        := 2 * (w mod 128);
            words(w) := to_stdlogicvector(parity(w / 128)(p + 1 downto p)
                                          & data(w / 16)(d + 15 downto d));
        end loop;
        return words;
    end function initial_contents;

    constant DATA_ROWS : row_array(0 to 63) := (
        INIT_00, INIT_01, INIT_02, INIT_03,
        INIT_04, INIT_05, INIT_06, INIT_07,
        INIT_08, INIT_09, INIT_0A, INIT_0B,
        INIT_0C, INIT_0D, INIT_0E, INIT_0F,
        INIT_10, INIT_11, INIT_12, INIT_13,
        INIT_14, INIT_15, INIT_16, INIT_17,
        INIT_18, INIT_19, INIT_1A, INIT_1B,
        INIT_1C, INIT_1D, INIT_1E, INIT_1F,
        INIT_20, INIT_21, INIT_22, INIT_23,
        INIT_24, INIT_25, INIT_26, INIT_27,
        INIT_28, INIT_29, INIT_2A, INIT_2B,
        INIT_2C, INIT_2D, INIT_2E, INIT_2F,
        INIT_30, INIT_31, INIT_32, INIT_33,
        INIT_34, INIT_35, INIT_36, INIT_37,
        INIT_38, INIT_39, INIT_3A, INIT_3B,
        INIT_3C, INIT_3D, INIT_3E, INIT_3F);
    constant PARITY_ROWS : row_array(0 to 7) := (
        INITP_00, INITP_01, INITP_02, INITP_03, INITP_04, INITP_05, INITP_06, INITP_07);

    signal dout : std_logic_vector(17 downto 0) := to_stdlogicvector(INIT);

begin

    port_a : process (CLK)
        variable mem   : word_array := initial_contents(DATA_ROWS, PARITY_ROWS);
        variable index : natural range 0 to 1023;
    begin
        if rising_edge(CLK) and EN = '1' then
            if is_x(ADDR) then
                dout <= (others => 'X');
            else
                index := to_integer(unsigned(ADDR));
                if SSR = '1' then
                    dout <= to_stdlogicvector(SRVAL);
                elsif WE = '0' then
                    dout <= mem(index);
                elsif WRITE_MODE = "WRITE_FIRST" then
                    dout <= DIP & DI;
                elsif WRITE_MODE = "READ_FIRST" then
                    dout <= mem(index);
                end if;
                if WE = '1' then
                    mem(index) := DIP & DI;
                end if;
            end if;
        end if;
    end process port_a;

    DO  <= dout(15 downto 0);
    DOP <= dout(17 downto 16);

end architecture behavioural;
