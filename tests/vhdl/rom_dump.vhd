-- Reads every address of entity prog_rom, one per clock, and writes the 1024 words to a text
-- file, one per line as five upper-case hex digits: the layout of the assembler's hex image.
library ieee;
use ieee.std_logic_1164.all;
use ieee.numeric_std.all;
use std.textio.all;

entity rom_dump is
    generic (DUMP_FILE : string := "rom_dump.mem");
end entity rom_dump;

architecture sim of rom_dump is

    signal address     : std_logic_vector(9 downto 0) := (others => '0');
    signal instruction : std_logic_vector(17 downto 0);
    signal clk         : std_logic := '0';

    -- A digit with any bit other than 0 or 1 becomes X, so an undriven word cannot pass as 0.
    function to_hex(word : std_logic_vector(17 downto 0)) return string is
        constant DIGITS : string(1 to 16) := "0123456789ABCDEF";
        variable padded : std_logic_vector(19 downto 0);
        variable nibble : std_logic_vector(3 downto 0);
        variable text   : string(1 to 5);
    begin
        padded := "00" & word;
        for i in 0 to 4 loop
            nibble := padded(19 - 4 * i downto 16 - 4 * i);
            if is_x(nibble) then
                text(i + 1) := 'X';
            else
                text(i + 1) := DIGITS(to_integer(unsigned(nibble)) + 1);
            end if;
        end loop;
        return text;
    end function to_hex;

begin

    rom : entity work.prog_rom
        port map (ADDRESS => address, INSTRUCTION => instruction, CLK => clk);

    reader : process
        file dump     : text open write_mode is DUMP_FILE;
        variable row  : line;
    begin
        for a in 0 to 1023 loop
            address <= std_logic_vector(to_unsigned(a, address'length));
            wait for 5 ns;
            clk <= '1';
            wait for 5 ns;
            write(row, to_hex(instruction));
            writeline(dump, row);
            clk <= '0';
        end loop;
        wait;
    end process reader;

end architecture sim;
